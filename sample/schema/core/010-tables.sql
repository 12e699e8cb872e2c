-- Tables of the core database (Terralith.db).
--
-- Types are the ones the database layer maps: INTEGER, DOUBLE, CURRENCY, DATE (ISO text
-- "YYYY-MM-DD"), BOOLEAN (0/1) and TEXT.  Every text column compares without regard to case, as
-- the asset database always has.
--
-- Database units: oil, condensate, LPG and liquids volumes in MMbbl; gas volumes in bcf; totals in
-- MMboe; production rates in Mbbl/d (liquids), MMscf/d (gas) and Mboe/d (totals); money in
-- USD million unless the column says per boe; depths and water depths in metres; areas in km2;
-- pipeline lengths in km, diameters in inches; percentages as 0-100.

-- Settings and statement templates of the data set.  No key: a key may be written twice, and the
-- reader takes the first row.
CREATE TABLE Options (
    [Key] TEXT COLLATE NOCASE,
    Value TEXT COLLATE NOCASE NOT NULL
);

-- Tables whose rows lie in another database file of the data set.  Datasource is the full path of
-- that file as the data set was built; the start-up repair re-points it to the database's folder,
-- finding each row by its Name, the key.
CREATE TABLE LinkedTables (
    Name        TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    Datasource  TEXT COLLATE NOCASE NOT NULL,
    ForeignName TEXT COLLATE NOCASE NOT NULL
);

-- Locations ------------------------------------------------------------------------------------

CREATE TABLE Region (
    Region_Code TEXT COLLATE NOCASE PRIMARY KEY,
    Region_Name TEXT COLLATE NOCASE NOT NULL
);

CREATE TABLE Country (
    Country_Code TEXT COLLATE NOCASE PRIMARY KEY,
    Country_Name TEXT COLLATE NOCASE NOT NULL,
    Region_Code  TEXT COLLATE NOCASE NOT NULL REFERENCES Region (Region_Code)
);

CREATE TABLE Sector (
    Sector_Code     INTEGER PRIMARY KEY,
    Sector_Name     TEXT COLLATE NOCASE NOT NULL,
    Country_Code    TEXT COLLATE NOCASE NOT NULL REFERENCES Country (Country_Code),
    OFFSHORE_CODE   TEXT COLLATE NOCASE NOT NULL,   -- ONSHORE or OFFSHORE
    Water_Depth_Min DOUBLE,                         -- typical range of the sector, m
    Water_Depth_Max DOUBLE
);

CREATE TABLE Basin (
    Basin_Code INTEGER PRIMARY KEY,
    Basin_Name TEXT COLLATE NOCASE NOT NULL
);

-- The basins that reach into a sector.
CREATE TABLE SectorBasin (
    Sector_Code INTEGER NOT NULL REFERENCES Sector (Sector_Code),
    Basin_Code  INTEGER NOT NULL REFERENCES Basin (Basin_Code)
);

-- Coded values -----------------------------------------------------------------------------------

-- Every coded list the selection screens offer, told apart by LOOKUP_TYPE.
CREATE TABLE Lookup (
    LOOKUP_TYPE  TEXT COLLATE NOCASE NOT NULL,
    LOOKUP_CODE  TEXT COLLATE NOCASE NOT NULL,
    LOOKUP_NAME  TEXT COLLATE NOCASE,
    LOOKUP_ORDER INTEGER NOT NULL
);

-- Licence types and their sub-types; a type without sub-types has one row with empty sub-type.
CREATE TABLE LicenceType (
    LICENCE_TYPE_CODE     TEXT COLLATE NOCASE NOT NULL,
    Licence_Type_Desc     TEXT COLLATE NOCASE NOT NULL,
    Licence_Sub_Type_Code TEXT COLLATE NOCASE,
    Licence_Sub_Type_Desc TEXT COLLATE NOCASE,
    Type_Order            INTEGER NOT NULL
);

-- One row per formation: its period and era beside it.
CREATE TABLE GeologicalAge (
    AGE_CODE       INTEGER PRIMARY KEY,
    ERA_CODE       TEXT COLLATE NOCASE NOT NULL,
    ERA_NAME       TEXT COLLATE NOCASE NOT NULL,
    PERIOD_CODE    TEXT COLLATE NOCASE NOT NULL,
    PERIOD_NAME    TEXT COLLATE NOCASE NOT NULL,
    FORMATION_CODE TEXT COLLATE NOCASE NOT NULL,
    FORMATION_NAME TEXT COLLATE NOCASE NOT NULL,
    Age_Order      INTEGER NOT NULL                 -- youngest first
);

CREATE TABLE Rig (
    Rig_Code INTEGER PRIMARY KEY,
    Rig_Name TEXT COLLATE NOCASE NOT NULL,
    RIG_TYPE TEXT COLLATE NOCASE NOT NULL            -- a RIG_TYPE lookup code
);

-- Companies ----------------------------------------------------------------------------------------

-- Parent_Code is 0 for a company that is itself a parent (or stands alone).
CREATE TABLE Company (
    Company_Code       INTEGER PRIMARY KEY,
    Company_Name       TEXT COLLATE NOCASE NOT NULL,
    Company_Short_Name TEXT COLLATE NOCASE NOT NULL,
    Parent_Code        INTEGER NOT NULL,
    Country_Code       TEXT COLLATE NOCASE
);

-- Fields -------------------------------------------------------------------------------------------

-- A grouping (FIELD_GROUPING true) gathers several fields under one name; its members carry its code
-- and name in FIELD_GROUPING_CODE and FIELD_GROUPING_NAME, which are empty for every other field.
CREATE TABLE Field (
    Field_Code                INTEGER PRIMARY KEY,
    Field_Name                TEXT COLLATE NOCASE NOT NULL,
    EVMnemonic                TEXT COLLATE NOCASE NOT NULL,
    FIELD_GROUPING            BOOLEAN NOT NULL,
    FIELD_GROUPING_CODE       INTEGER,
    FIELD_GROUPING_NAME       TEXT COLLATE NOCASE,
    Country_Code              TEXT COLLATE NOCASE NOT NULL,
    Country_Name              TEXT COLLATE NOCASE NOT NULL,
    Sector_Code               INTEGER NOT NULL,        -- the main sector; FieldSector lists them all
    Sector_Name               TEXT COLLATE NOCASE NOT NULL,
    Basin_Name                TEXT COLLATE NOCASE,
    OFFSHORE_CODE             TEXT COLLATE NOCASE NOT NULL,
    FIELD_TYPE_CODE           TEXT COLLATE NOCASE NOT NULL,
    DEV_STATUS_CODE           TEXT COLLATE NOCASE NOT NULL,
    DEV_TYPE_CODE             TEXT COLLATE NOCASE,
    Operator_Code             INTEGER,
    Operator_Name             TEXT COLLATE NOCASE,
    Discovery_Date            DATE,
    Devt_Consent              DATE,
    Production_Started        DATE,
    Ceased_Production         DATE,
    Abandoned_Date            DATE,
    WATER_DEPTH               DOUBLE,
    RESERVOIR_DEPTH           DOUBLE,
    RESERVOIR_AGE             TEXT COLLATE NOCASE,
    API_ACTUAL                DOUBLE,
    CALORIFIC_VALUE_ACTUAL    DOUBLE,                  -- MJ/m3
    SULPHUR_ACTUAL            DOUBLE,                  -- % weight
    REC_R_OIL                 DOUBLE,
    REC_R_COND                DOUBLE,
    REC_R_LPG                 DOUBLE,
    REC_R_LIQUID              DOUBLE,
    REC_R_GAS                 DOUBLE,
    REC_R_TOTAL               DOUBLE,
    REM_R_OIL                 DOUBLE,
    REM_R_COND                DOUBLE,
    REM_R_LPG                 DOUBLE,
    REM_R_LIQUID              DOUBLE,
    REM_R_GAS                 DOUBLE,
    REM_R_TOTAL               DOUBLE,
    TECH_REC_R_OIL            DOUBLE,                  -- technical (contingent) volumes beside them
    TECH_REC_R_COND           DOUBLE,
    TECH_REC_R_LPG            DOUBLE,
    TECH_REC_R_LIQUID         DOUBLE,
    TECH_REC_R_GAS            DOUBLE,
    TECH_REC_TOTAL            DOUBLE,
    TECH_REM_R_OIL            DOUBLE,
    TECH_REM_R_COND           DOUBLE,
    TECH_REM_R_LPG            DOUBLE,
    TECH_REM_R_LIQUID         DOUBLE,
    TECH_REM_R_GAS            DOUBLE,
    TECH_REM_TOTAL            DOUBLE,
    CURR_YR_OIL_PRODUCTION    DOUBLE,
    CURR_YR_COND_PRODUCTION   DOUBLE,
    CURR_YR_LPG_PRODUCTION    DOUBLE,
    CURR_YR_LIQUID_PRODUCTION DOUBLE,
    CURR_YR_GAS_PRODUCTION    DOUBLE,
    CURR_YR_TOTAL_PRODUCTION  DOUBLE,
    PEAK_OIL_PRODUCTION       DOUBLE,
    PEAK_COND_PRODUCTION      DOUBLE,
    PEAK_LPG_PRODUCTION       DOUBLE,
    PEAK_LIQUID_PRODUCTION    DOUBLE,
    PEAK_GAS_PRODUCTION       DOUBLE,
    PEAK_TOTAL_PRODUCTION     DOUBLE,
    Peak_Year                 INTEGER,
    TOTALPV_POSTTAX_USD       DOUBLE,
    REMPV_POSTTAX_USD         DOUBLE,
    REMPVBOE_POSTTAX_USD      DOUBLE,
    PRE_TAX_IRR               DOUBLE,
    POST_TAX_IRR              DOUBLE,
    POST_TAX_IRR_COMPANY      DOUBLE,
    TOTAL_GOVT_TAKE_USD       DOUBLE,
    TOTAL_GOVT_TAKE_PERC      DOUBLE,
    REM_GOVT_TAKE_USD         DOUBLE,
    REM_GOVT_TAKE_PERC        DOUBLE,
    TOTAL_CAPEX_REAL_USD      DOUBLE,
    TOTAL_CAPEX_NOML_USD      DOUBLE,
    TOTAL_OPEX_REAL_USD       DOUBLE,
    TOTAL_OPEX_NOML_USD       DOUBLE,
    CAPEX_BBL_REAL_USD        DOUBLE,
    CAPEX_BBL_NOML_USD        DOUBLE,
    OPEX_BBL_REAL_USD         DOUBLE,
    OPEX_BBL_NOML_USD         DOUBLE
);

-- Every sector a field lies in (a field across a median line lies in two).
CREATE TABLE FieldSector (
    Field_Code  INTEGER NOT NULL,
    Sector_Code INTEGER NOT NULL
);

-- The licence blocks a field lies in.
CREATE TABLE FieldBlock (
    Field_Code INTEGER NOT NULL,
    Block_Code INTEGER NOT NULL
);

CREATE TABLE FieldReservoir (
    Field_Code      INTEGER NOT NULL,
    Reservoir_Name  TEXT COLLATE NOCASE NOT NULL,
    Is_Primary      BOOLEAN NOT NULL,
    AGE_CODE        INTEGER NOT NULL,
    ERA_CODE        TEXT COLLATE NOCASE NOT NULL,
    PERIOD_CODE     TEXT COLLATE NOCASE NOT NULL,
    FORMATION_CODE  TEXT COLLATE NOCASE NOT NULL,
    Reservoir_Depth DOUBLE
);

-- Equity: per field the interests add up to 100; Ownership_Status 1 marks the operator, 0 a partner.
CREATE TABLE FieldInterest (
    Field_Code       INTEGER NOT NULL,
    Company_Code     INTEGER NOT NULL,
    Interest_Perc    DOUBLE NOT NULL,
    Ownership_Status INTEGER NOT NULL
);

-- Licence blocks -----------------------------------------------------------------------------------

-- Offshore blocks carry a quadrant and a block number (and a sub-block letter where one is
-- split); onshore licence areas carry neither and hang below their basin.
CREATE TABLE Block (
    Block_Code               INTEGER PRIMARY KEY,
    Block_Reference          TEXT COLLATE NOCASE NOT NULL,
    Quadrant                 TEXT COLLATE NOCASE,
    Block                    TEXT COLLATE NOCASE,
    Sub_Block                TEXT COLLATE NOCASE,
    Basin_Name               TEXT COLLATE NOCASE,
    Country_Code             TEXT COLLATE NOCASE NOT NULL,
    Country_Name             TEXT COLLATE NOCASE NOT NULL,
    Sector_Code              INTEGER NOT NULL,
    Sector_Name              TEXT COLLATE NOCASE NOT NULL,
    OFFSHORE_CODE            TEXT COLLATE NOCASE NOT NULL,
    Licence_Reference        TEXT COLLATE NOCASE NOT NULL,
    Licence_Type_Code        TEXT COLLATE NOCASE NOT NULL,
    Licence_Sub_Type_Code    TEXT COLLATE NOCASE,
    Licence_Status_Code      TEXT COLLATE NOCASE NOT NULL,
    Licence_Area_Status_Code TEXT COLLATE NOCASE NOT NULL,
    Licence_Round            INTEGER,
    Licence_Round_Year       INTEGER,
    Licence_Award_Desc       TEXT COLLATE NOCASE,
    Issue_Date               DATE,
    First_Round              DATE,                     -- end of the initial term
    Final_Expiry             DATE,
    Fallow_No_Year           INTEGER,
    Signature_Bonus          CURRENCY,
    Block_Area               DOUBLE,
    Water_Depth_Min          DOUBLE,
    Water_Depth_Max          DOUBLE,
    Operator_Code            INTEGER,
    Operator_Name            TEXT COLLATE NOCASE
);

CREATE TABLE BlockInterest (
    Block_Code       INTEGER NOT NULL,
    Company_Code     INTEGER NOT NULL,
    Interest_Perc    DOUBLE NOT NULL,
    Ownership_Status INTEGER NOT NULL
);

-- Wells --------------------------------------------------------------------------------------------

-- The WELL_CLASS_ columns hold "Tested", "Re-entry" and "Sidetrack" where the class applies.
-- A well's partners are the licensees of its block.
CREATE TABLE Well (
    Well_Code                INTEGER PRIMARY KEY,
    Well_Reference           TEXT COLLATE NOCASE NOT NULL,
    Field_Code               INTEGER,
    Field_Name               TEXT COLLATE NOCASE,
    Block_Code               INTEGER NOT NULL,
    Block_Reference          TEXT COLLATE NOCASE NOT NULL,
    Country_Code             TEXT COLLATE NOCASE NOT NULL,
    Country_Name             TEXT COLLATE NOCASE NOT NULL,
    Sector_Code              INTEGER NOT NULL,
    Sector_Name              TEXT COLLATE NOCASE NOT NULL,
    OFFSHORE_CODE            TEXT COLLATE NOCASE NOT NULL,
    WELL_TYPE_CODE           TEXT COLLATE NOCASE NOT NULL,
    WELL_STATUS_CODE         TEXT COLLATE NOCASE NOT NULL,
    WELL_RESULT_CODE         TEXT COLLATE NOCASE,
    DISCOVERY_TYPE_CODE      TEXT COLLATE NOCASE,      -- COMM or TECH for a discovery well
    SPUD_DATE                DATE,
    COMPLETED_DATE           DATE,
    MEASURED_DEPTH           DOUBLE,
    TRUE_VERTICAL_DEPTH      DOUBLE,
    WATER_DEPTH              DOUBLE,
    PRIMARY_ERA              TEXT COLLATE NOCASE,
    PRIMARY_PERIOD           TEXT COLLATE NOCASE,
    PRIMARY_FORMATION        TEXT COLLATE NOCASE,
    PRIMARY_ERA_CODE         TEXT COLLATE NOCASE,
    PRIMARY_PERIOD_CODE      TEXT COLLATE NOCASE,
    PRIMARY_FORMATION_CODE   TEXT COLLATE NOCASE,
    PRIMARY_AGE_CODE         INTEGER,
    SECONDARY_ERA            TEXT COLLATE NOCASE,
    SECONDARY_PERIOD         TEXT COLLATE NOCASE,
    SECONDARY_FORMATION      TEXT COLLATE NOCASE,
    SECONDARY_ERA_CODE       TEXT COLLATE NOCASE,
    SECONDARY_PERIOD_CODE    TEXT COLLATE NOCASE,
    SECONDARY_FORMATION_CODE TEXT COLLATE NOCASE,
    SECONDARY_AGE_CODE       INTEGER,
    TDFORMATION_ERA          TEXT COLLATE NOCASE,
    TDFORMATION_PERIOD       TEXT COLLATE NOCASE,
    TDFORMATION_FORMATION    TEXT COLLATE NOCASE,
    TDFORMATION_ERA_CODE     TEXT COLLATE NOCASE,
    TDFORMATION_PERIOD_CODE  TEXT COLLATE NOCASE,
    TDFORMATION_FORMATION_CODE TEXT COLLATE NOCASE,
    TDFORMATION_AGE_CODE     INTEGER,
    WELL_CLASS_TESTED        TEXT COLLATE NOCASE,
    WELL_CLASS_RE_ENTRY      TEXT COLLATE NOCASE,
    WELL_CLASS_SIDE_TRACK    TEXT COLLATE NOCASE,
    LICENCE_AWARD_DESC       TEXT COLLATE NOCASE,
    LICENCE_ROUND            INTEGER,
    LICENCE_ROUND_YEAR       INTEGER,
    RIG_CODE                 INTEGER,
    RIG_TYPE_CODE            TEXT COLLATE NOCASE,
    Operator_Code            INTEGER,
    Operator_Name            TEXT COLLATE NOCASE
);

-- Transport ----------------------------------------------------------------------------------------

-- A terminal grouping gathers terminals of one site the way field groupings gather fields.
CREATE TABLE Terminal (
    TERMINAL_CODE          INTEGER PRIMARY KEY,
    TERMINAL_NAME          TEXT COLLATE NOCASE NOT NULL,
    TERMINAL_GROUPING      BOOLEAN NOT NULL,
    TERMINAL_GROUPING_CODE INTEGER,
    TERMINAL_GROUPING_NAME TEXT COLLATE NOCASE,
    Country_Code           TEXT COLLATE NOCASE NOT NULL,
    OFFSHORE_CODE          TEXT COLLATE NOCASE NOT NULL
);

-- Pipelines and tanker systems.  A grouping row (TRANSPORT_GROUPING true) names a system of several
-- pipelines; its members carry its code and name.  START_TYPE and DEST_TYPE are "Field" or
-- "Terminal" and tell what START_CODE and DEST_CODE name.
CREATE TABLE Transport (
    Transport_Code                 INTEGER PRIMARY KEY,
    Transport_System               TEXT COLLATE NOCASE NOT NULL,
    EVMnemonic                     TEXT COLLATE NOCASE NOT NULL,
    TRANSPORT_GROUPING             BOOLEAN NOT NULL,
    TRANSPORT_GROUPING_CODE        INTEGER,
    Transport_Grouping_System_Name TEXT COLLATE NOCASE,
    TRANSPORT_METHOD_CODE          TEXT COLLATE NOCASE NOT NULL,
    ENERGY_TYPE_CODE               TEXT COLLATE NOCASE NOT NULL,
    TRANSPORT_STATUS_CODE          TEXT COLLATE NOCASE NOT NULL,
    OFFSHORE_CODE                  TEXT COLLATE NOCASE NOT NULL,
    START_CODE                     INTEGER,
    START_TYPE                     TEXT COLLATE NOCASE,
    START_NAME                     TEXT COLLATE NOCASE,
    DEST_CODE                      INTEGER,
    DEST_TYPE                      TEXT COLLATE NOCASE,
    DEST_NAME                      TEXT COLLATE NOCASE,
    PRODUCTION_STARTED             DATE,
    Pipe_Length                    DOUBLE,
    Pipeline_Diameter              TEXT COLLATE NOCASE,  -- as printed, e.g. 24"
    Pipeline_Diameter_Actual       DOUBLE,               -- inches
    Oil_Nominal_Capacity           DOUBLE,               -- Mbbl/d
    LPG_Nominal_Capacity           DOUBLE,
    Cond_Nominal_Capacity          DOUBLE,
    Gas_Nominal_Capacity           DOUBLE,               -- MMscf/d
    Storage_Capacity               DOUBLE,               -- Mbbl
    Operator_Code                  INTEGER,
    Operator_Name                  TEXT COLLATE NOCASE
);

-- The countries a transport system runs through or ends in.
CREATE TABLE TransportCountry (
    Transport_Code INTEGER NOT NULL,
    Country_Code   TEXT COLLATE NOCASE NOT NULL
);

-- The fields that ship through a transport system.
CREATE TABLE TransportUserField (
    Transport_Code INTEGER NOT NULL,
    Field_Code     INTEGER NOT NULL
);

CREATE TABLE TransportInterest (
    Transport_Code   INTEGER NOT NULL,
    Company_Code     INTEGER NOT NULL,
    Interest_Perc    DOUBLE NOT NULL,
    Ownership_Status INTEGER NOT NULL
);

-- The columns of each result grid, per asset type and grid type ("Assets", "Ownership", "Annual").
-- Mandatory pins a column: n > 0 at position n, n < 0 at position -n from the end.
CREATE TABLE FieldChooser (
    Asset_Type             TEXT COLLATE NOCASE NOT NULL,
    Grid_Type              TEXT COLLATE NOCASE NOT NULL,
    Sequence               INTEGER NOT NULL,
    Field_Name             TEXT COLLATE NOCASE NOT NULL,
    Display_Name           TEXT COLLATE NOCASE NOT NULL,
    Description            TEXT COLLATE NOCASE,
    DataType               TEXT COLLATE NOCASE,
    FormatString           TEXT COLLATE NOCASE,
    Category               TEXT COLLATE NOCASE,
    NetValueStatus         INTEGER NOT NULL DEFAULT 0,
    Mandatory              INTEGER NOT NULL DEFAULT 0,
    MultiLine              BOOLEAN NOT NULL DEFAULT 0,
    MergeColumn            BOOLEAN NOT NULL DEFAULT 0,
    ParticipantRollUpHide  BOOLEAN NOT NULL DEFAULT 0,
    HideInFieldChooser     BOOLEAN NOT NULL DEFAULT 0,
    FixedOnGrid            BOOLEAN NOT NULL DEFAULT 0,
    WrapColumn             BOOLEAN NOT NULL DEFAULT 0,
    ParticipantRollUponly  BOOLEAN NOT NULL DEFAULT 0,
    CompetitorAnalysisOnly BOOLEAN NOT NULL DEFAULT 0,
    FieldAnnualRow         BOOLEAN NOT NULL DEFAULT 0
);
