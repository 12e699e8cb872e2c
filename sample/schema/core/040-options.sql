-- The data set's settings and statement templates, read by key.
--
-- Templates carry the statement builder's tags where the library adds to them ("<select/>",
-- "<from/>", "<join/>", "<where/>", "<order/>"), the record-set placeholders the query fills
-- ("<table/>": Field, FieldParticipant, FieldAnnualTransformed, ...; "<orderby/>": one of the
-- SQL_FIELD_..._ORDERBY values) and the list placeholders the reference lists and code look-ups
-- replace ("<lookup_type>", "<SectorCodes>", "<CountryCodes>", "<DevStatuses>", "<FILTER>",
-- "<where>", "<fieldcodes>", "<blockcodes>", "<assetcodes/>", "<Asset>", "<Grid>").  The main
-- table of an asset statement is always named A.

INSERT INTO Options ([Key], Value) VALUES
    ('MinVersion', '1.0.0'),
    ('MaxVersion', '1.9.99'),
    ('DataRelease', '2024 Q4'),
    ('DataYear', '2024'),
    ('ANNUAL_DATA_START_YEAR', '1970'),
    ('ANNUAL_DATA_END_YEAR', '2050'),
    ('DISCOUNT_DATE', '2024-01-01');

-- Asset statements: the narrowing statement of each asset type, and the statement its result is
-- rebuilt from once the matching codes are known.  Field and block queries get their table
-- ("Field A", or "FieldParticipant A" for a net query) from the renderer; wells and transport
-- systems name theirs.  An asset statement without any condition reads shorter than 35 characters
-- for a gross field query, which lets a field query with only annual criteria skip the narrowing.
INSERT INTO Options ([Key], Value) VALUES
    ('SQL_FIELD', 'SELECT A.Field_Code <from/> <join/> <where/>'),
    ('SQL_FIELD_RESULTS', 'SELECT A.* FROM <table/> A <where/> <orderby/>'),
    ('SQL_FIELD_ASSET_ORDERBY', 'ORDER BY A.Field_Name'),
    ('SQL_FIELD_PARTICIPANT_ORDERBY', 'ORDER BY A.Field_Name, A.Ownership_Status DESC, A.Interest_Perc DESC, A.Company_Name'),
    ('SQL_FIELD_ANNUAL_ORDERBY', 'ORDER BY A.Field_Name, A.Prod_Year'),
    ('SQL_WELL', 'SELECT A.Well_Code FROM Well A <join/> <where/>'),
    ('SQL_WELL_RESULTS', 'SELECT A.* FROM <table/> A <where/>'),
    ('SQL_BLOCK', 'SELECT A.Block_Code <from/> <join/> <where/>'),
    ('SQL_BLOCK_RESULTS', 'SELECT A.* FROM <table/> A <where/>'),
    ('SQL_TRANSPORT', 'SELECT A.Transport_Code FROM Transport A INNER JOIN TransportCountry TC ON A.Transport_Code = TC.Transport_Code <join/> <where/>'),
    ('SQL_TRANSPORT_RESULTS', 'SELECT A.* FROM <table/> A <where/> <order/>');

-- Code look-ups between domains.
INSERT INTO Options ([Key], Value) VALUES
    ('SQL_WELL_CODE_BY_FIELD', 'SELECT Well_Code AS WELL_CODE FROM Well WHERE Field_Code IN (<fieldcodes>) ORDER BY Well_Code'),
    ('SQL_TRANSPORT_CODE_BY_FIELD', 'SELECT DISTINCT Transport_Code AS TRANSPORT_CODE FROM TransportUserField WHERE Field_Code IN (<fieldcodes>) ORDER BY Transport_Code'),
    ('SQL_FIELD_CODE_BY_BLOCK', 'SELECT DISTINCT Field_Code AS FIELD_CODE FROM FieldBlock WHERE Block_Code IN (<blockcodes>) ORDER BY Field_Code'),
    ('SQL_FIELD_CODE_BY_AGE', 'SELECT DISTINCT FieldReservoir.Field_Code AS FIELD_CODE FROM FieldReservoir <join/> <where/>'),
    ('SQL_FIELD_CODE_BY_ANNUAL_PRODUCTION', 'SELECT DISTINCT Field_Code AS FIELD_CODE <from/> <where/>'),
    ('SQL_TRANSPORT_COUNTRY_BY_ASSET', 'SELECT Country_Code, Transport_Code FROM TransportCountry WHERE Transport_Code IN (<assetcodes/>)');

-- Reference lists.
INSERT INTO Options ([Key], Value) VALUES
    ('SQL_LOOKUP', 'SELECT LOOKUP_CODE, LOOKUP_NAME FROM Lookup WHERE LOOKUP_TYPE IN (<lookup_type>) ORDER BY LOOKUP_TYPE, LOOKUP_ORDER'),
    ('SQL_LOOKUP_BY_NAME', 'SELECT LOOKUP_CODE, LOOKUP_NAME FROM Lookup WHERE LOOKUP_TYPE IN (<lookup_type>) ORDER BY LOOKUP_NAME'),
    ('SQL_LOCATION_LOOKUP', 'SELECT R.Region_Code AS Region_Code, R.Region_Name AS Region_Name, C.Country_Code AS Country_Code, C.Country_Name AS Country_Name, S.Sector_Code AS Sector_Code, S.Sector_Name AS Sector_Name FROM Sector S INNER JOIN Country C ON C.Country_Code = S.Country_Code INNER JOIN Region R ON R.Region_Code = C.Region_Code ORDER BY R.Region_Name, C.Country_Name, S.Sector_Name'),
    ('SQL_ALL_BLOCK_IN_SECTORS', 'SELECT Block_Code, Block_Reference, Quadrant, Block, Sub_Block, Basin_Name FROM Block WHERE Sector_Code IN (<SectorCodes>) ORDER BY Block_Reference'),
    ('SQL_NONRELINQ_BLOCK_IN_SECTORS', 'SELECT Block_Code, Block_Reference, Quadrant, Block, Sub_Block, Basin_Name FROM Block WHERE Sector_Code IN (<SectorCodes>) AND Licence_Area_Status_Code <> ''RELINQ'' ORDER BY Block_Reference'),
    ('SQL_FIELDS_IN_SECTORS', 'SELECT DISTINCT A.Field_Grouping AS Field_Grouping, A.Field_Code AS Field_Code, A.Field_Name AS Field_Name, A.Field_Grouping_Code AS Field_Grouping_Code, A.Field_Grouping_Name AS Field_Grouping_Name FROM Field A INNER JOIN FieldSector FS ON FS.Field_Code = A.Field_Code WHERE FS.Sector_Code IN (<SectorCodes>) ORDER BY A.Field_Grouping DESC, A.Field_Name'),
    ('SQL_LICENCE_REFERENCE_IN_SECTORS', 'SELECT DISTINCT Licence_Reference FROM Block WHERE Sector_Code IN (<SectorCodes>) ORDER BY Licence_Reference'),
    ('SQL_AWARD_ROUND_NUMBER', 'SELECT DISTINCT Licence_Round FROM Block WHERE Sector_Code IN (<SectorCodes>) AND Licence_Round IS NOT NULL ORDER BY Licence_Round'),
    ('SQL_AWARD_ROUND_YEAR', 'SELECT DISTINCT Licence_Round_Year FROM Block WHERE Sector_Code IN (<SectorCodes>) AND Licence_Round_Year IS NOT NULL ORDER BY Licence_Round_Year'),
    ('SQL_AWARD_ROUND_DESCRIPTOR', 'SELECT DISTINCT Licence_Award_Desc FROM Block WHERE Sector_Code IN (<SectorCodes>) AND Licence_Award_Desc IS NOT NULL ORDER BY Licence_Award_Desc'),
    ('SQL_AWARD_ROUND_NUMBER_WELL', 'SELECT DISTINCT LICENCE_ROUND AS Licence_Round FROM Well WHERE Sector_Code IN (<SectorCodes>) AND LICENCE_ROUND IS NOT NULL ORDER BY LICENCE_ROUND'),
    ('SQL_AWARD_ROUND_YEAR_WELL', 'SELECT DISTINCT LICENCE_ROUND_YEAR AS Licence_Round_Year FROM Well WHERE Sector_Code IN (<SectorCodes>) AND LICENCE_ROUND_YEAR IS NOT NULL ORDER BY LICENCE_ROUND_YEAR'),
    ('SQL_AWARD_ROUND_DESCRIPTOR_WELL', 'SELECT DISTINCT LICENCE_AWARD_DESC AS Licence_Award_Desc FROM Well WHERE Sector_Code IN (<SectorCodes>) AND LICENCE_AWARD_DESC IS NOT NULL ORDER BY LICENCE_AWARD_DESC'),
    ('SQL_LICENCE_TYPES', 'SELECT LICENCE_TYPE_CODE, Licence_Type_Desc, Licence_Sub_Type_Code, Licence_Sub_Type_Desc FROM LicenceType ORDER BY Type_Order'),
    ('SQL_COMPANY_LOOKUP', 'SELECT Parent_Code, Company_Code, Company_Name FROM Company ORDER BY CASE WHEN Parent_Code = 0 THEN 0 ELSE 1 END, Parent_Code, Company_Name'),
    ('SQL_GEOLOGICAL_ERA', 'SELECT ERA_CODE, ERA_NAME FROM GeologicalAge GROUP BY ERA_CODE, ERA_NAME ORDER BY MIN(Age_Order)'),
    ('SQL_GEOLOGICAL_PERIOD', 'SELECT PERIOD_CODE, PERIOD_NAME FROM GeologicalAge GROUP BY PERIOD_CODE, PERIOD_NAME ORDER BY MIN(Age_Order)'),
    ('SQL_GEOLOGICAL_FORMATION', 'SELECT FORMATION_CODE, FORMATION_NAME FROM GeologicalAge ORDER BY Age_Order'),
    ('SQL_GEOLOGICAL_ALL', 'SELECT ERA_CODE, ERA_NAME, PERIOD_CODE, PERIOD_NAME, AGE_CODE, FORMATION_NAME FROM GeologicalAge ORDER BY Age_Order'),
    ('SQL_DISCOUNT_DATE', 'SELECT Value FROM Options WHERE [Key] = ''DISCOUNT_DATE'''),
    ('SQL_WELLS_IN_SECTORS', 'SELECT Well_Code, Well_Reference FROM Well WHERE Sector_Code IN (<SectorCodes>) ORDER BY Well_Reference'),
    ('SQL_RIG_NAMES', 'SELECT Rig_Code, Rig_Name FROM Rig <where> ORDER BY Rig_Name'),
    ('SQL_FIELDS_IN_COUNTRY', 'SELECT DISTINCT A.FIELD_GROUPING AS FIELD_GROUPING, A.FIELD_CODE AS FIELD_CODE, A.FIELD_NAME AS FIELD_NAME, A.FIELD_GROUPING_CODE AS FIELD_GROUPING_CODE, A.FIELD_GROUPING_NAME AS FIELD_GROUPING_NAME FROM Field A INNER JOIN FieldSector FS ON FS.Field_Code = A.Field_Code INNER JOIN Sector S ON S.Sector_Code = FS.Sector_Code WHERE S.Country_Code IN (<CountryCodes>) AND A.Field_Code IN (SELECT START_CODE FROM Transport WHERE START_TYPE = ''<FILTER>'' UNION SELECT DEST_CODE FROM Transport WHERE DEST_TYPE = ''<FILTER>'' UNION SELECT Field_Code FROM TransportUserField) ORDER BY A.FIELD_GROUPING DESC, A.FIELD_NAME'),
    ('SQL_TERMINALS_IN_COUNTRY', 'SELECT A.TERMINAL_GROUPING AS TERMINAL_GROUPING, A.TERMINAL_CODE AS TERMINAL_CODE, A.TERMINAL_NAME AS TERMINAL_NAME, A.TERMINAL_GROUPING_CODE AS TERMINAL_GROUPING_CODE, A.TERMINAL_GROUPING_NAME AS TERMINAL_GROUPING_NAME FROM Terminal A WHERE A.Country_Code IN (<CountryCodes>) AND (A.TERMINAL_GROUPING = 1 OR A.TERMINAL_CODE IN (SELECT START_CODE FROM Transport WHERE START_TYPE = ''<FILTER>'' UNION SELECT DEST_CODE FROM Transport WHERE DEST_TYPE = ''<FILTER>'')) ORDER BY A.TERMINAL_GROUPING DESC, A.TERMINAL_NAME'),
    ('SQL_TRANSPORT_SYSTEMS', 'SELECT DISTINCT A.TRANSPORT_GROUPING AS TRANSPORT_GROUPING, A.TRANSPORT_CODE AS TRANSPORT_CODE, A.TRANSPORT_SYSTEM AS TRANSPORT_SYSTEM, A.TRANSPORT_GROUPING_CODE AS TRANSPORT_GROUPING_CODE, A.TRANSPORT_GROUPING_SYSTEM_NAME AS TRANSPORT_GROUPING_SYSTEM_NAME FROM Transport A INNER JOIN TransportCountry TC ON TC.Transport_Code = A.Transport_Code WHERE TC.Country_Code IN (<CountryCodes>) ORDER BY A.TRANSPORT_GROUPING DESC, A.TRANSPORT_SYSTEM'),
    ('SQL_TRANSPORT_USER_FIELDS', 'SELECT DISTINCT A.Field_Grouping AS Field_Grouping, A.Field_Code AS Field_Code, A.Field_Name AS Field_Name, A.Field_Grouping_Code AS Field_Grouping_Code, A.Field_Grouping_Name AS Field_Grouping_Name, A.Dev_Status_Code AS Dev_Status_Code FROM Field A INNER JOIN TransportUserField TU ON TU.Field_Code = A.Field_Code INNER JOIN TransportCountry TC ON TC.Transport_Code = TU.Transport_Code WHERE TC.Country_Code IN (<CountryCodes>) AND A.Dev_Status_Code IN (<DevStatuses>) ORDER BY A.Field_Name'),
    ('SQL_FIELD_CHOOSER_FIELDS', 'SELECT Field_Name, Display_Name, Description, DataType, FormatString, Category, NetValueStatus, Mandatory, MultiLine, MergeColumn, ParticipantRollUpHide, HideInFieldChooser, FixedOnGrid, WrapColumn, ParticipantRollUponly, CompetitorAnalysisOnly, FieldAnnualRow FROM FieldChooser WHERE Asset_Type = ''<Asset>'' AND Grid_Type = ''<Grid>'' ORDER BY Sequence');

-- Where the linked tables lay when the data set was built; the start-up repair moves them to the
-- folder the core database is found in.
INSERT INTO LinkedTables (Name, Datasource, ForeignName) VALUES
    ('FieldAnnualTotal_Gross', '/srv/terralith/2024/Core/Database/Annual.db', 'FieldAnnualTotal_Gross'),
    ('FieldAnnualTotal_Net', '/srv/terralith/2024/Core/Database/Annual.db', 'FieldAnnualTotal_Net'),
    ('FieldAnnualTransformed', '/srv/terralith/2024/Core/Database/Annual.db', 'FieldAnnualTransformed');
