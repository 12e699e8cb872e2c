-- Participant views: one row per asset and participating company, with the company's parent and,
-- for the volumes and values that equity divides, the company's net share in columns ending "_Net".
-- A company without a parent is its own parent.
--
-- The "...ParticipantCA" views give the company searches what they narrow on: the asset code, the
-- company and its parent, operatorship, equity and the sectors of the asset.

CREATE VIEW FieldParticipant AS
SELECT F.*,
       I.Company_Code,
       C.Company_Name,
       C.Company_Short_Name,
       P.Company_Code AS Company_Code_Parent,
       P.Company_Name AS Company_Name_Parent,
       P.Company_Short_Name AS Company_Short_Name_Parent,
       I.Interest_Perc,
       I.Ownership_Status,
       F.WATER_DEPTH AS Water_Depth_Net,
       F.RESERVOIR_DEPTH AS Reservoir_Depth_Net,
       F.TOTALPV_POSTTAX_USD * I.Interest_Perc / 100 AS TOTALPV_POSTTAX_USD_Net,
       F.REMPV_POSTTAX_USD * I.Interest_Perc / 100 AS REMPV_POSTTAX_USD_Net,
       F.REMPVBOE_POSTTAX_USD AS REMPVBOE_POSTTAX_USD_Net,
       F.TOTAL_GOVT_TAKE_USD * I.Interest_Perc / 100 AS TOTAL_GOVT_TAKE_USD_Net,
       F.TOTAL_GOVT_TAKE_PERC AS TOTAL_GOVT_TAKE_PERC_Net,
       F.REM_GOVT_TAKE_USD * I.Interest_Perc / 100 AS REM_GOVT_TAKE_USD_Net,
       F.REM_GOVT_TAKE_PERC AS REM_GOVT_TAKE_PERC_Net,
       F.REC_R_OIL * I.Interest_Perc / 100 AS REC_R_OIL_Net,
       F.REC_R_COND * I.Interest_Perc / 100 AS REC_R_COND_Net,
       F.REC_R_LPG * I.Interest_Perc / 100 AS REC_R_LPG_Net,
       F.REC_R_LIQUID * I.Interest_Perc / 100 AS REC_R_LIQUID_Net,
       F.REC_R_GAS * I.Interest_Perc / 100 AS REC_R_GAS_Net,
       F.REC_R_TOTAL * I.Interest_Perc / 100 AS REC_R_TOTAL_Net,
       F.REM_R_OIL * I.Interest_Perc / 100 AS REM_R_OIL_Net,
       F.REM_R_COND * I.Interest_Perc / 100 AS REM_R_COND_Net,
       F.REM_R_LPG * I.Interest_Perc / 100 AS REM_R_LPG_Net,
       F.REM_R_LIQUID * I.Interest_Perc / 100 AS REM_R_LIQUID_Net,
       F.REM_R_GAS * I.Interest_Perc / 100 AS REM_R_GAS_Net,
       F.REM_R_TOTAL * I.Interest_Perc / 100 AS REM_R_TOTAL_Net,
       F.TECH_REC_R_OIL * I.Interest_Perc / 100 AS TECH_REC_R_OIL_Net,
       F.TECH_REC_R_COND * I.Interest_Perc / 100 AS TECH_REC_R_COND_Net,
       F.TECH_REC_R_LPG * I.Interest_Perc / 100 AS TECH_REC_R_LPG_Net,
       F.TECH_REC_R_LIQUID * I.Interest_Perc / 100 AS TECH_REC_R_LIQUID_Net,
       F.TECH_REC_R_GAS * I.Interest_Perc / 100 AS TECH_REC_R_GAS_Net,
       F.TECH_REC_TOTAL * I.Interest_Perc / 100 AS TECH_REC_TOTAL_Net,
       F.TECH_REM_R_OIL * I.Interest_Perc / 100 AS TECH_REM_R_OIL_Net,
       F.TECH_REM_R_COND * I.Interest_Perc / 100 AS TECH_REM_R_COND_Net,
       F.TECH_REM_R_LPG * I.Interest_Perc / 100 AS TECH_REM_R_LPG_Net,
       F.TECH_REM_R_LIQUID * I.Interest_Perc / 100 AS TECH_REM_R_LIQUID_Net,
       F.TECH_REM_R_GAS * I.Interest_Perc / 100 AS TECH_REM_R_GAS_Net,
       F.TECH_REM_TOTAL * I.Interest_Perc / 100 AS TECH_REM_TOTAL_Net,
       F.CURR_YR_OIL_PRODUCTION * I.Interest_Perc / 100 AS CURR_YR_OIL_PRODUCTION_Net,
       F.CURR_YR_COND_PRODUCTION * I.Interest_Perc / 100 AS CURR_YR_COND_PRODUCTION_Net,
       F.CURR_YR_LPG_PRODUCTION * I.Interest_Perc / 100 AS CURR_YR_LPG_PRODUCTION_Net,
       F.CURR_YR_LIQUID_PRODUCTION * I.Interest_Perc / 100 AS CURR_YR_LIQUID_PRODUCTION_Net,
       F.CURR_YR_GAS_PRODUCTION * I.Interest_Perc / 100 AS CURR_YR_GAS_PRODUCTION_Net,
       F.CURR_YR_TOTAL_PRODUCTION * I.Interest_Perc / 100 AS CURR_YR_TOTAL_PRODUCTION_Net,
       F.PEAK_OIL_PRODUCTION * I.Interest_Perc / 100 AS PEAK_OIL_PRODUCTION_Net,
       F.PEAK_COND_PRODUCTION * I.Interest_Perc / 100 AS PEAK_COND_PRODUCTION_Net,
       F.PEAK_LPG_PRODUCTION * I.Interest_Perc / 100 AS PEAK_LPG_PRODUCTION_Net,
       F.PEAK_LIQUID_PRODUCTION * I.Interest_Perc / 100 AS PEAK_LIQUID_PRODUCTION_Net,
       F.PEAK_GAS_PRODUCTION * I.Interest_Perc / 100 AS PEAK_GAS_PRODUCTION_Net,
       F.PEAK_TOTAL_PRODUCTION * I.Interest_Perc / 100 AS PEAK_TOTAL_PRODUCTION_Net,
       F.TOTAL_CAPEX_REAL_USD * I.Interest_Perc / 100 AS TOTAL_CAPEX_REAL_USD_Net,
       F.TOTAL_CAPEX_NOML_USD * I.Interest_Perc / 100 AS TOTAL_CAPEX_NOML_USD_Net,
       F.TOTAL_OPEX_REAL_USD * I.Interest_Perc / 100 AS TOTAL_OPEX_REAL_USD_Net,
       F.TOTAL_OPEX_NOML_USD * I.Interest_Perc / 100 AS TOTAL_OPEX_NOML_USD_Net,
       F.CAPEX_BBL_REAL_USD AS CAPEX_BBL_REAL_USD_Net,
       F.CAPEX_BBL_NOML_USD AS CAPEX_BBL_NOML_USD_Net,
       F.OPEX_BBL_REAL_USD AS OPEX_BBL_REAL_USD_Net,
       F.OPEX_BBL_NOML_USD AS OPEX_BBL_NOML_USD_Net
FROM Field F
INNER JOIN FieldInterest I ON I.Field_Code = F.Field_Code
INNER JOIN Company C ON C.Company_Code = I.Company_Code
INNER JOIN Company P ON P.Company_Code = CASE WHEN C.Parent_Code = 0 THEN C.Company_Code ELSE C.Parent_Code END;

CREATE VIEW FieldParticipantCA AS
SELECT I.Field_Code,
       I.Company_Code,
       CASE WHEN C.Parent_Code = 0 THEN C.Company_Code ELSE C.Parent_Code END AS Company_Code_Parent,
       I.Ownership_Status,
       I.Interest_Perc,
       FS.Sector_Code
FROM FieldInterest I
INNER JOIN Company C ON C.Company_Code = I.Company_Code
INNER JOIN FieldSector FS ON FS.Field_Code = I.Field_Code;

CREATE VIEW BlockParticipant AS
SELECT B.*,
       I.Company_Code,
       C.Company_Name,
       C.Company_Short_Name,
       P.Company_Code AS Company_Code_Parent,
       P.Company_Name AS Company_Name_Parent,
       P.Company_Short_Name AS Company_Short_Name_Parent,
       I.Interest_Perc,
       I.Ownership_Status,
       B.Signature_Bonus * I.Interest_Perc / 100 AS Signature_Bonus_Net,
       B.Block_Area * I.Interest_Perc / 100 AS Block_Area_Net
FROM Block B
INNER JOIN BlockInterest I ON I.Block_Code = B.Block_Code
INNER JOIN Company C ON C.Company_Code = I.Company_Code
INNER JOIN Company P ON P.Company_Code = CASE WHEN C.Parent_Code = 0 THEN C.Company_Code ELSE C.Parent_Code END;

CREATE VIEW BlockParticipantCA AS
SELECT I.Block_Code,
       I.Company_Code,
       CASE WHEN C.Parent_Code = 0 THEN C.Company_Code ELSE C.Parent_Code END AS Company_Code_Parent,
       I.Ownership_Status,
       I.Interest_Perc,
       B.Sector_Code
FROM BlockInterest I
INNER JOIN Company C ON C.Company_Code = I.Company_Code
INNER JOIN Block B ON B.Block_Code = I.Block_Code;

CREATE VIEW WellParticipant AS
SELECT W.*,
       I.Company_Code,
       C.Company_Name,
       C.Company_Short_Name,
       P.Company_Code AS Company_Code_Parent,
       P.Company_Name AS Company_Name_Parent,
       P.Company_Short_Name AS Company_Short_Name_Parent,
       I.Interest_Perc,
       I.Ownership_Status
FROM Well W
INNER JOIN BlockInterest I ON I.Block_Code = W.Block_Code
INNER JOIN Company C ON C.Company_Code = I.Company_Code
INNER JOIN Company P ON P.Company_Code = CASE WHEN C.Parent_Code = 0 THEN C.Company_Code ELSE C.Parent_Code END;

CREATE VIEW WellParticipantCA AS
SELECT W.Well_Code,
       I.Company_Code,
       CASE WHEN C.Parent_Code = 0 THEN C.Company_Code ELSE C.Parent_Code END AS Company_Code_Parent,
       I.Ownership_Status,
       I.Interest_Perc,
       W.Sector_Code
FROM Well W
INNER JOIN BlockInterest I ON I.Block_Code = W.Block_Code
INNER JOIN Company C ON C.Company_Code = I.Company_Code;

CREATE VIEW TransportParticipant AS
SELECT T.*,
       I.Company_Code,
       C.Company_Name,
       C.Company_Short_Name,
       P.Company_Code AS Company_Code_Parent,
       P.Company_Name AS Company_Name_Parent,
       P.Company_Short_Name AS Company_Short_Name_Parent,
       I.Interest_Perc,
       I.Ownership_Status
FROM Transport T
INNER JOIN TransportInterest I ON I.Transport_Code = T.Transport_Code
INNER JOIN Company C ON C.Company_Code = I.Company_Code
INNER JOIN Company P ON P.Company_Code = CASE WHEN C.Parent_Code = 0 THEN C.Company_Code ELSE C.Parent_Code END;

CREATE VIEW TransportParticipantCA AS
SELECT I.Transport_Code,
       I.Company_Code,
       CASE WHEN C.Parent_Code = 0 THEN C.Company_Code ELSE C.Parent_Code END AS Company_Code_Parent,
       I.Ownership_Status,
       I.Interest_Perc
FROM TransportInterest I
INNER JOIN Company C ON C.Company_Code = I.Company_Code;
