-- The annual database (Annual.db): production and cost figures per field and year.  The core
-- database links its three tables; the links' rows live in its LinkedTables table.
--
-- Production columns are average rates over the year (Mbbl/d for liquids, MMscf/d for gas,
-- Mboe/d for the total); money in USD million.  "_REAL" figures are in money of the data year,
-- "_NOML" figures in money of the day.  The net table holds each participant's share; its cost
-- columns end in "_NET".

CREATE TABLE AnnualField (
    Field_Code      INTEGER PRIMARY KEY,
    Field_Name      TEXT COLLATE NOCASE NOT NULL,
    Country_Code    TEXT COLLATE NOCASE NOT NULL,
    Country_Name    TEXT COLLATE NOCASE NOT NULL,
    Sector_Name     TEXT COLLATE NOCASE NOT NULL,
    Operator_Name   TEXT COLLATE NOCASE,
    DEV_STATUS_CODE TEXT COLLATE NOCASE NOT NULL
);

CREATE TABLE FieldAnnualTotal_Gross (
    Field_Code               INTEGER NOT NULL,
    Prod_Year                INTEGER NOT NULL,
    OIL_PRODUCTION           DOUBLE,
    CONDENSATE_PRODUCTION    DOUBLE,
    LPG_PRODUCTION           DOUBLE,
    LIQUID_PRODUCTION        DOUBLE,
    GAS_PRODUCTION           DOUBLE,
    TOTAL_PRODUCTION         DOUBLE,
    CAPEX_REAL               DOUBLE,
    CAPEX_NOML               DOUBLE,
    OPEX_REAL                DOUBLE,
    OPEX_NOML                DOUBLE,
    ABN_COSTS_REAL_USD       DOUBLE,
    ABN_COSTS_NOML_USD       DOUBLE,
    DEV_DRILLING_REAL_USD    DOUBLE,
    DEV_DRILLING_NOML_USD    DOUBLE,
    OTH_FIELD_CAPEX_REAL_USD DOUBLE,
    OTH_FIELD_CAPEX_NOML_USD DOUBLE,
    TRN_CAPEX_REAL_USD       DOUBLE,
    TRN_CAPEX_NOML_USD       DOUBLE
);

CREATE TABLE FieldAnnualTotal_Net (
    Field_Code                   INTEGER NOT NULL,
    Company_Code                 INTEGER NOT NULL,
    Prod_Year                    INTEGER NOT NULL,
    Interest_Perc                DOUBLE NOT NULL,
    OIL_PRODUCTION               DOUBLE,
    CONDENSATE_PRODUCTION        DOUBLE,
    LPG_PRODUCTION               DOUBLE,
    LIQUID_PRODUCTION            DOUBLE,
    GAS_PRODUCTION               DOUBLE,
    TOTAL_PRODUCTION             DOUBLE,
    CAPEX_REAL_NET               DOUBLE,
    CAPEX_NOML_NET               DOUBLE,
    OPEX_REAL_NET                DOUBLE,
    OPEX_NOML_NET                DOUBLE,
    ABN_COSTS_REAL_USD_NET       DOUBLE,
    ABN_COSTS_NOML_USD_NET       DOUBLE,
    DEV_DRILLING_REAL_USD_NET    DOUBLE,
    DEV_DRILLING_NOML_USD_NET    DOUBLE,
    OTH_FIELD_CAPEX_REAL_USD_NET DOUBLE,
    OTH_FIELD_CAPEX_NOML_USD_NET DOUBLE,
    TRN_CAPEX_REAL_USD_NET       DOUBLE,
    TRN_CAPEX_NOML_USD_NET       DOUBLE
);

-- The annual grid's rows: the gross figures with the field's name and place, and the year's
-- volumes beside the rates (MMbbl, bcf, MMboe).
CREATE VIEW FieldAnnualTransformed AS
SELECT F.Field_Name,
       F.Country_Code,
       F.Country_Name,
       F.Sector_Name,
       F.Operator_Name,
       F.DEV_STATUS_CODE,
       G.*,
       G.LIQUID_PRODUCTION * 365 / 1000 AS LIQUID_VOLUME,
       G.GAS_PRODUCTION * 365 / 1000 AS GAS_VOLUME,
       G.TOTAL_PRODUCTION * 365 / 1000 AS TOTAL_VOLUME
FROM FieldAnnualTotal_Gross G
INNER JOIN AnnualField F ON F.Field_Code = G.Field_Code;
