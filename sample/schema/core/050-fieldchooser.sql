-- The columns each result grid offers, for the field chooser's catalogue ("SQL_FIELD_CHOOSER_FIELDS"
-- reads FieldChooser).  A grid's results are every column of one table or view (the result
-- statements select "A.*"):
--
--   Field: Assets Field, Ownership FieldParticipant, Annual FieldAnnualTransformed
--   Block, Well, Transport: Assets the table of that name, Ownership <asset>Participant
--
-- Each column is described once, in ResultColumn, by where it comes from: an asset table, the
-- participating company (the columns every participant view adds) or the annual view.  A
-- participant view holds the columns of its asset table, then the company's, then the net shares
-- ("<column>_Net") of the asset columns marked Net.  FieldChooser is put together from them per
-- grid; GridDefault adds the pinned columns and the columns a new user sees (the default grid
-- layout file lists them, in Layout_Position order, with their Default_Width).
--
-- Category names a unit category of the "Units" settings element (a column without units has
-- none); percentages are stored as 0-100 and carry no category.  Widths are in twips (1440 to an
-- inch), as the grid layout file keeps them.

-- What the catalogue statement does not read, beside each row: the column's group in the chooser,
-- its width in a new layout and its place there (Null: not shown at first).
ALTER TABLE FieldChooser ADD COLUMN Column_Group TEXT COLLATE NOCASE;
ALTER TABLE FieldChooser ADD COLUMN Default_Width INTEGER NOT NULL DEFAULT 1200;
ALTER TABLE FieldChooser ADD COLUMN Layout_Position INTEGER;

-- Source: 'Field', 'Block', 'Well', 'Transport' (the asset tables), 'Participant', 'FieldAnnual'.
-- Net: the participant view also holds the company's share as "<Column_Name>_Net".
-- Hidden: a key only a program reads, kept out of the chooser.  Annual: a column of the annual rows.
CREATE TABLE ResultColumn (
    Source        TEXT COLLATE NOCASE NOT NULL,
    Ordinal       INTEGER NOT NULL,
    Column_Name   TEXT COLLATE NOCASE NOT NULL,
    Display_Name  TEXT COLLATE NOCASE NOT NULL,
    Description   TEXT COLLATE NOCASE NOT NULL,
    Column_Group  TEXT COLLATE NOCASE NOT NULL,
    DataType      TEXT COLLATE NOCASE NOT NULL,
    FormatString  TEXT COLLATE NOCASE NOT NULL,
    Category      TEXT COLLATE NOCASE NOT NULL,
    Default_Width INTEGER NOT NULL,
    Net           BOOLEAN NOT NULL,
    Hidden        BOOLEAN NOT NULL,
    Annual        BOOLEAN NOT NULL,
    PRIMARY KEY (Source, Column_Name)
);

-- The table or view each of the nine grids shows, and where its columns are described.
CREATE TABLE ResultGrid (
    Asset_Type   TEXT COLLATE NOCASE NOT NULL,
    Grid_Type    TEXT COLLATE NOCASE NOT NULL,
    Result_Table TEXT COLLATE NOCASE NOT NULL,
    Source       TEXT COLLATE NOCASE NOT NULL,
    PRIMARY KEY (Asset_Type, Grid_Type)
);

INSERT INTO ResultGrid VALUES
    ('Block', 'Assets', 'Block', 'Block'),
    ('Block', 'Ownership', 'BlockParticipant', 'Block'),
    ('Field', 'Assets', 'Field', 'Field'),
    ('Field', 'Ownership', 'FieldParticipant', 'Field'),
    ('Field', 'Annual', 'FieldAnnualTransformed', 'FieldAnnual'),
    ('Well', 'Assets', 'Well', 'Well'),
    ('Well', 'Ownership', 'WellParticipant', 'Well'),
    ('Transport', 'Assets', 'Transport', 'Transport'),
    ('Transport', 'Ownership', 'TransportParticipant', 'Transport');

-- Pinned columns (Mandatory: n > 0 at position n, n < 0 at -n from the end; Fixed: frozen on the
-- grid) and the columns of the default layout, in order.
CREATE TABLE GridDefault (
    Asset_Type      TEXT COLLATE NOCASE NOT NULL,
    Grid_Type       TEXT COLLATE NOCASE NOT NULL,
    Field_Name      TEXT COLLATE NOCASE NOT NULL,
    Mandatory       INTEGER NOT NULL DEFAULT 0,
    Fixed           BOOLEAN NOT NULL DEFAULT 0,
    Layout_Position INTEGER NOT NULL,
    PRIMARY KEY (Asset_Type, Grid_Type, Field_Name)
);

INSERT INTO GridDefault (Asset_Type, Grid_Type, Field_Name, Mandatory, Fixed, Layout_Position) VALUES
    ('Field', 'Assets', 'Field_Name', 1, 1, 1),
    ('Field', 'Assets', 'Country_Name', 0, 0, 2),
    ('Field', 'Assets', 'Operator_Name', 0, 0, 3),
    ('Field', 'Assets', 'FIELD_TYPE_CODE', 0, 0, 4),
    ('Field', 'Assets', 'DEV_STATUS_CODE', 0, 0, 5),
    ('Field', 'Assets', 'Discovery_Date', 0, 0, 6),
    ('Field', 'Assets', 'WATER_DEPTH', 0, 0, 7),
    ('Field', 'Assets', 'REC_R_TOTAL', 0, 0, 8),
    ('Field', 'Assets', 'REM_R_TOTAL', 0, 0, 9),
    ('Field', 'Assets', 'CURR_YR_TOTAL_PRODUCTION', 0, 0, 10),
    ('Field', 'Assets', 'EVMnemonic', -1, 0, 11),
    ('Field', 'Ownership', 'Field_Name', 1, 1, 1),
    ('Field', 'Ownership', 'Company_Name', 2, 1, 2),
    ('Field', 'Ownership', 'Company_Name_Parent', 0, 0, 3),
    ('Field', 'Ownership', 'Interest_Perc', 0, 0, 4),
    ('Field', 'Ownership', 'Ownership_Status', 0, 0, 5),
    ('Field', 'Ownership', 'REC_R_TOTAL_Net', 0, 0, 6),
    ('Field', 'Ownership', 'REM_R_TOTAL_Net', 0, 0, 7),
    ('Field', 'Annual', 'Field_Name', 1, 1, 1),
    ('Field', 'Annual', 'Prod_Year', 2, 1, 2),
    ('Field', 'Annual', 'OIL_PRODUCTION', 0, 0, 3),
    ('Field', 'Annual', 'GAS_PRODUCTION', 0, 0, 4),
    ('Field', 'Annual', 'TOTAL_PRODUCTION', 0, 0, 5),
    ('Field', 'Annual', 'CAPEX_REAL', 0, 0, 6),
    ('Field', 'Annual', 'OPEX_REAL', 0, 0, 7),
    ('Block', 'Assets', 'Block_Reference', 1, 1, 1),
    ('Block', 'Assets', 'Country_Name', 0, 0, 2),
    ('Block', 'Assets', 'Licence_Reference', 0, 0, 3),
    ('Block', 'Assets', 'Operator_Name', 0, 0, 4),
    ('Block', 'Assets', 'Licence_Status_Code', 0, 0, 5),
    ('Block', 'Assets', 'Issue_Date', 0, 0, 6),
    ('Block', 'Assets', 'Block_Area', 0, 0, 7),
    ('Block', 'Ownership', 'Block_Reference', 1, 1, 1),
    ('Block', 'Ownership', 'Company_Name', 2, 1, 2),
    ('Block', 'Ownership', 'Company_Name_Parent', 0, 0, 3),
    ('Block', 'Ownership', 'Interest_Perc', 0, 0, 4),
    ('Block', 'Ownership', 'Ownership_Status', 0, 0, 5),
    ('Block', 'Ownership', 'Block_Area_Net', 0, 0, 6),
    ('Well', 'Assets', 'Well_Reference', 1, 1, 1),
    ('Well', 'Assets', 'Field_Name', 0, 0, 2),
    ('Well', 'Assets', 'Country_Name', 0, 0, 3),
    ('Well', 'Assets', 'Operator_Name', 0, 0, 4),
    ('Well', 'Assets', 'WELL_TYPE_CODE', 0, 0, 5),
    ('Well', 'Assets', 'WELL_STATUS_CODE', 0, 0, 6),
    ('Well', 'Assets', 'SPUD_DATE', 0, 0, 7),
    ('Well', 'Assets', 'MEASURED_DEPTH', 0, 0, 8),
    ('Well', 'Assets', 'WATER_DEPTH', 0, 0, 9),
    ('Well', 'Ownership', 'Well_Reference', 1, 1, 1),
    ('Well', 'Ownership', 'Company_Name', 2, 1, 2),
    ('Well', 'Ownership', 'Company_Name_Parent', 0, 0, 3),
    ('Well', 'Ownership', 'Interest_Perc', 0, 0, 4),
    ('Well', 'Ownership', 'Ownership_Status', 0, 0, 5),
    ('Transport', 'Assets', 'Transport_System', 1, 1, 1),
    ('Transport', 'Assets', 'TRANSPORT_METHOD_CODE', 0, 0, 2),
    ('Transport', 'Assets', 'ENERGY_TYPE_CODE', 0, 0, 3),
    ('Transport', 'Assets', 'TRANSPORT_STATUS_CODE', 0, 0, 4),
    ('Transport', 'Assets', 'START_NAME', 0, 0, 5),
    ('Transport', 'Assets', 'DEST_NAME', 0, 0, 6),
    ('Transport', 'Assets', 'Operator_Name', 0, 0, 7),
    ('Transport', 'Assets', 'Pipe_Length', 0, 0, 8),
    ('Transport', 'Assets', 'Oil_Nominal_Capacity', 0, 0, 9),
    ('Transport', 'Assets', 'Gas_Nominal_Capacity', 0, 0, 10),
    ('Transport', 'Ownership', 'Transport_System', 1, 1, 1),
    ('Transport', 'Ownership', 'Company_Name', 2, 1, 2),
    ('Transport', 'Ownership', 'Company_Name_Parent', 0, 0, 3),
    ('Transport', 'Ownership', 'Interest_Perc', 0, 0, 4),
    ('Transport', 'Ownership', 'Ownership_Status', 0, 0, 5);

-- Fields (table Field)
INSERT INTO ResultColumn VALUES
    ('Field', 1, 'Field_Name', 'Field', 'Name of the field', 'Identity', 'String', '', '', 2400, 0, 0, 0),
    ('Field', 2, 'EVMnemonic', 'Mnemonic', 'Asset code of the field', 'Identity', 'String', '', '', 1100, 0, 0, 0),
    ('Field', 3, 'Field_Code', 'Field Code', 'Key of the field', 'Identity', 'Long', '0', '', 900, 0, 1, 0),
    ('Field', 4, 'FIELD_GROUPING', 'Grouping', 'True for a grouping of several fields', 'Identity', 'Boolean', '', '', 800, 0, 0, 0),
    ('Field', 5, 'FIELD_GROUPING_CODE', 'Grouping Code', 'Key of the grouping the field belongs to', 'Identity', 'Long', '0', '', 900, 0, 1, 0),
    ('Field', 6, 'FIELD_GROUPING_NAME', 'Grouping Name', 'Name of the grouping the field belongs to', 'Identity', 'String', '', '', 2400, 0, 0, 0),
    ('Field', 7, 'Country_Code', 'Country Code', 'Code of the country the field lies in', 'Location', 'String', '', '', 1100, 0, 1, 0),
    ('Field', 8, 'Country_Name', 'Country', 'Country the field lies in', 'Location', 'String', '', '', 1800, 0, 0, 0),
    ('Field', 9, 'Sector_Code', 'Sector Code', 'Key of the main sector', 'Location', 'Long', '0', '', 900, 0, 1, 0),
    ('Field', 10, 'Sector_Name', 'Sector', 'Main sector of the field', 'Location', 'String', '', '', 1800, 0, 0, 0),
    ('Field', 11, 'Basin_Name', 'Basin', 'Geological basin', 'Location', 'String', '', '', 1800, 0, 0, 0),
    ('Field', 12, 'OFFSHORE_CODE', 'Shore', 'Onshore or offshore', 'Location', 'String', '', '', 1100, 0, 0, 0),
    ('Field', 13, 'WATER_DEPTH', 'Water Depth', 'Water depth at the field', 'Location', 'Double', '#,##0', 'Depth', 1300, 1, 0, 0),
    ('Field', 14, 'FIELD_TYPE_CODE', 'Field Type', 'Oil, gas or condensate', 'Development', 'String', '', '', 1100, 0, 0, 0),
    ('Field', 15, 'DEV_STATUS_CODE', 'Status', 'Development status', 'Development', 'String', '', '', 1100, 0, 0, 0),
    ('Field', 16, 'DEV_TYPE_CODE', 'Development', 'Development concept', 'Development', 'String', '', '', 1100, 0, 0, 0),
    ('Field', 17, 'Operator_Code', 'Operator Code', 'Key of the operating company', 'Development', 'Long', '0', '', 900, 0, 1, 0),
    ('Field', 18, 'Operator_Name', 'Operator', 'Operating company', 'Development', 'String', '', '', 2400, 0, 0, 0),
    ('Field', 19, 'Discovery_Date', 'Discovered', 'Date of the discovery well', 'Dates', 'Date', 'dd-mmm-yyyy', '', 1300, 0, 0, 0),
    ('Field', 20, 'Devt_Consent', 'Consent', 'Date development was approved', 'Dates', 'Date', 'dd-mmm-yyyy', '', 1300, 0, 0, 0),
    ('Field', 21, 'Production_Started', 'First Production', 'Start of production', 'Dates', 'Date', 'dd-mmm-yyyy', '', 1300, 0, 0, 0),
    ('Field', 22, 'Ceased_Production', 'Production Ceased', 'End of production', 'Dates', 'Date', 'dd-mmm-yyyy', '', 1300, 0, 0, 0),
    ('Field', 23, 'Abandoned_Date', 'Abandoned', 'Date the field was abandoned', 'Dates', 'Date', 'dd-mmm-yyyy', '', 1300, 0, 0, 0),
    ('Field', 24, 'Peak_Year', 'Peak Year', 'Year of the highest production', 'Dates', 'Long', '0', '', 800, 0, 0, 0),
    ('Field', 25, 'RESERVOIR_DEPTH', 'Reservoir Depth', 'Depth of the main reservoir', 'Geology', 'Double', '#,##0', 'Depth', 1300, 1, 0, 0),
    ('Field', 26, 'RESERVOIR_AGE', 'Reservoir', 'Main reservoir and its age', 'Geology', 'String', '', '', 1800, 0, 0, 0),
    ('Field', 27, 'API_ACTUAL', 'API Gravity', 'Gravity of the oil (degrees API)', 'Geology', 'Double', '0.0', '', 1000, 0, 0, 0),
    ('Field', 28, 'CALORIFIC_VALUE_ACTUAL', 'Calorific Value', 'Calorific value of the gas (MJ/m3)', 'Geology', 'Double', '#,##0.0', '', 1300, 0, 0, 0),
    ('Field', 29, 'SULPHUR_ACTUAL', 'Sulphur (%)', 'Sulphur content (% by weight)', 'Geology', 'Double', '0.00', '', 1100, 0, 0, 0),
    ('Field', 30, 'REC_R_OIL', 'Recoverable Oil', 'Recoverable oil reserves', 'Reserves', 'Double', '#,##0.0', 'Oil_Reserves', 1300, 1, 0, 0),
    ('Field', 31, 'REC_R_COND', 'Recoverable Condensate', 'Recoverable condensate reserves', 'Reserves', 'Double', '#,##0.0', 'Liquids_Reserves', 1300, 1, 0, 0),
    ('Field', 32, 'REC_R_LPG', 'Recoverable LPG', 'Recoverable LPG reserves', 'Reserves', 'Double', '#,##0.0', 'Liquids_Reserves', 1300, 1, 0, 0),
    ('Field', 33, 'REC_R_LIQUID', 'Recoverable Liquids', 'Recoverable liquids reserves', 'Reserves', 'Double', '#,##0.0', 'Liquids_Reserves', 1300, 1, 0, 0),
    ('Field', 34, 'REC_R_GAS', 'Recoverable Gas', 'Recoverable gas reserves', 'Reserves', 'Double', '#,##0.0', 'Gas_Reserves', 1300, 1, 0, 0),
    ('Field', 35, 'REC_R_TOTAL', 'Recoverable Total', 'Recoverable reserves, oil equivalent', 'Reserves', 'Double', '#,##0.0', 'Total_Reserves', 1300, 1, 0, 0),
    ('Field', 36, 'REM_R_OIL', 'Remaining Oil', 'Remaining oil reserves', 'Reserves', 'Double', '#,##0.0', 'Oil_Reserves', 1300, 1, 0, 0),
    ('Field', 37, 'REM_R_COND', 'Remaining Condensate', 'Remaining condensate reserves', 'Reserves', 'Double', '#,##0.0', 'Liquids_Reserves', 1300, 1, 0, 0),
    ('Field', 38, 'REM_R_LPG', 'Remaining LPG', 'Remaining LPG reserves', 'Reserves', 'Double', '#,##0.0', 'Liquids_Reserves', 1300, 1, 0, 0),
    ('Field', 39, 'REM_R_LIQUID', 'Remaining Liquids', 'Remaining liquids reserves', 'Reserves', 'Double', '#,##0.0', 'Liquids_Reserves', 1300, 1, 0, 0),
    ('Field', 40, 'REM_R_GAS', 'Remaining Gas', 'Remaining gas reserves', 'Reserves', 'Double', '#,##0.0', 'Gas_Reserves', 1300, 1, 0, 0),
    ('Field', 41, 'REM_R_TOTAL', 'Remaining Total', 'Remaining reserves, oil equivalent', 'Reserves', 'Double', '#,##0.0', 'Total_Reserves', 1300, 1, 0, 0),
    ('Field', 42, 'TECH_REC_R_OIL', 'Technical Oil', 'Technically recoverable oil', 'Reserves', 'Double', '#,##0.0', 'Oil_Reserves', 1300, 1, 0, 0),
    ('Field', 43, 'TECH_REC_R_COND', 'Technical Condensate', 'Technically recoverable condensate', 'Reserves', 'Double', '#,##0.0', 'Liquids_Reserves', 1300, 1, 0, 0),
    ('Field', 44, 'TECH_REC_R_LPG', 'Technical LPG', 'Technically recoverable LPG', 'Reserves', 'Double', '#,##0.0', 'Liquids_Reserves', 1300, 1, 0, 0),
    ('Field', 45, 'TECH_REC_R_LIQUID', 'Technical Liquids', 'Technically recoverable liquids', 'Reserves', 'Double', '#,##0.0', 'Liquids_Reserves', 1300, 1, 0, 0),
    ('Field', 46, 'TECH_REC_R_GAS', 'Technical Gas', 'Technically recoverable gas', 'Reserves', 'Double', '#,##0.0', 'Gas_Reserves', 1300, 1, 0, 0),
    ('Field', 47, 'TECH_REC_TOTAL', 'Technical Total', 'Technically recoverable volumes, oil equivalent', 'Reserves', 'Double', '#,##0.0', 'Total_Reserves', 1300, 1, 0, 0),
    ('Field', 48, 'TECH_REM_R_OIL', 'Technical Remaining Oil', 'Technically recoverable oil still in place', 'Reserves', 'Double', '#,##0.0', 'Oil_Reserves', 1300, 1, 0, 0),
    ('Field', 49, 'TECH_REM_R_COND', 'Technical Remaining Condensate', 'Technically recoverable condensate still in place', 'Reserves', 'Double', '#,##0.0', 'Liquids_Reserves', 1300, 1, 0, 0),
    ('Field', 50, 'TECH_REM_R_LPG', 'Technical Remaining LPG', 'Technically recoverable LPG still in place', 'Reserves', 'Double', '#,##0.0', 'Liquids_Reserves', 1300, 1, 0, 0),
    ('Field', 51, 'TECH_REM_R_LIQUID', 'Technical Remaining Liquids', 'Technically recoverable liquids still in place', 'Reserves', 'Double', '#,##0.0', 'Liquids_Reserves', 1300, 1, 0, 0),
    ('Field', 52, 'TECH_REM_R_GAS', 'Technical Remaining Gas', 'Technically recoverable gas still in place', 'Reserves', 'Double', '#,##0.0', 'Gas_Reserves', 1300, 1, 0, 0),
    ('Field', 53, 'TECH_REM_TOTAL', 'Technical Remaining Total', 'Technically recoverable volumes still in place, oil equivalent', 'Reserves', 'Double', '#,##0.0', 'Total_Reserves', 1300, 1, 0, 0),
    ('Field', 54, 'CURR_YR_OIL_PRODUCTION', 'Oil (Data Year)', 'Average oil production in the data year', 'Production', 'Double', '#,##0.0', 'Oil_Production', 1300, 1, 0, 0),
    ('Field', 55, 'CURR_YR_COND_PRODUCTION', 'Condensate (Data Year)', 'Average condensate production in the data year', 'Production', 'Double', '#,##0.0', 'Liquids_Production', 1300, 1, 0, 0),
    ('Field', 56, 'CURR_YR_LPG_PRODUCTION', 'LPG (Data Year)', 'Average LPG production in the data year', 'Production', 'Double', '#,##0.0', 'Liquids_Production', 1300, 1, 0, 0),
    ('Field', 57, 'CURR_YR_LIQUID_PRODUCTION', 'Liquids (Data Year)', 'Average liquids production in the data year', 'Production', 'Double', '#,##0.0', 'Liquids_Production', 1300, 1, 0, 0),
    ('Field', 58, 'CURR_YR_GAS_PRODUCTION', 'Gas (Data Year)', 'Average gas production in the data year', 'Production', 'Double', '#,##0.0', 'Gas_Production', 1300, 1, 0, 0),
    ('Field', 59, 'CURR_YR_TOTAL_PRODUCTION', 'Production (Data Year)', 'Average production in the data year, oil equivalent', 'Production', 'Double', '#,##0.0', 'Total_Production', 1300, 1, 0, 0),
    ('Field', 60, 'PEAK_OIL_PRODUCTION', 'Peak Oil', 'Average oil production in the peak year', 'Production', 'Double', '#,##0.0', 'Oil_Production', 1300, 1, 0, 0),
    ('Field', 61, 'PEAK_COND_PRODUCTION', 'Peak Condensate', 'Average condensate production in the peak year', 'Production', 'Double', '#,##0.0', 'Liquids_Production', 1300, 1, 0, 0),
    ('Field', 62, 'PEAK_LPG_PRODUCTION', 'Peak LPG', 'Average LPG production in the peak year', 'Production', 'Double', '#,##0.0', 'Liquids_Production', 1300, 1, 0, 0),
    ('Field', 63, 'PEAK_LIQUID_PRODUCTION', 'Peak Liquids', 'Average liquids production in the peak year', 'Production', 'Double', '#,##0.0', 'Liquids_Production', 1300, 1, 0, 0),
    ('Field', 64, 'PEAK_GAS_PRODUCTION', 'Peak Gas', 'Average gas production in the peak year', 'Production', 'Double', '#,##0.0', 'Gas_Production', 1300, 1, 0, 0),
    ('Field', 65, 'PEAK_TOTAL_PRODUCTION', 'Peak Production', 'Average production in the peak year, oil equivalent', 'Production', 'Double', '#,##0.0', 'Total_Production', 1300, 1, 0, 0),
    ('Field', 66, 'TOTALPV_POSTTAX_USD', 'Total PV', 'Post-tax present value, whole life', 'Economics', 'Double', '#,##0', 'Money', 1300, 1, 0, 0),
    ('Field', 67, 'REMPV_POSTTAX_USD', 'Remaining PV', 'Post-tax present value of the remaining life', 'Economics', 'Double', '#,##0', 'Money', 1300, 1, 0, 0),
    ('Field', 68, 'REMPVBOE_POSTTAX_USD', 'Remaining PV/boe', 'Remaining post-tax present value per barrel of oil equivalent (USD)', 'Economics', 'Double', '0.00', '', 1100, 1, 0, 0),
    ('Field', 69, 'PRE_TAX_IRR', 'Pre-tax IRR (%)', 'Pre-tax internal rate of return', 'Economics', 'Double', '0.0', '', 1000, 0, 0, 0),
    ('Field', 70, 'POST_TAX_IRR', 'Post-tax IRR (%)', 'Post-tax internal rate of return', 'Economics', 'Double', '0.0', '', 1000, 0, 0, 0),
    ('Field', 71, 'POST_TAX_IRR_COMPANY', 'Company IRR (%)', 'Post-tax internal rate of return to the companies', 'Economics', 'Double', '0.0', '', 1000, 0, 0, 0),
    ('Field', 72, 'TOTAL_GOVT_TAKE_USD', 'Government Take', 'Government take, whole life', 'Economics', 'Double', '#,##0', 'Money', 1300, 1, 0, 0),
    ('Field', 73, 'TOTAL_GOVT_TAKE_PERC', 'Government Take (%)', 'Government take as a share of the whole life value', 'Economics', 'Double', '0.0', '', 1000, 1, 0, 0),
    ('Field', 74, 'REM_GOVT_TAKE_USD', 'Remaining Government Take', 'Government take of the remaining life', 'Economics', 'Double', '#,##0', 'Money', 1300, 1, 0, 0),
    ('Field', 75, 'REM_GOVT_TAKE_PERC', 'Remaining Government Take (%)', 'Government take as a share of the remaining value', 'Economics', 'Double', '0.0', '', 1000, 1, 0, 0),
    ('Field', 76, 'TOTAL_CAPEX_REAL_USD', 'Capex (Real)', 'Total capital spend in real terms', 'Costs', 'Double', '#,##0', 'Money', 1300, 1, 0, 0),
    ('Field', 77, 'TOTAL_CAPEX_NOML_USD', 'Capex (Nominal)', 'Total capital spend in money of the day', 'Costs', 'Double', '#,##0', 'Money', 1300, 1, 0, 0),
    ('Field', 78, 'TOTAL_OPEX_REAL_USD', 'Opex (Real)', 'Total operating cost in real terms', 'Costs', 'Double', '#,##0', 'Money', 1300, 1, 0, 0),
    ('Field', 79, 'TOTAL_OPEX_NOML_USD', 'Opex (Nominal)', 'Total operating cost in money of the day', 'Costs', 'Double', '#,##0', 'Money', 1300, 1, 0, 0),
    ('Field', 80, 'CAPEX_BBL_REAL_USD', 'Capex/bbl (Real)', 'Capital spend per barrel in real terms (USD)', 'Costs', 'Double', '0.00', '', 1100, 1, 0, 0),
    ('Field', 81, 'CAPEX_BBL_NOML_USD', 'Capex/bbl (Nominal)', 'Capital spend per barrel in money of the day (USD)', 'Costs', 'Double', '0.00', '', 1100, 1, 0, 0),
    ('Field', 82, 'OPEX_BBL_REAL_USD', 'Opex/bbl (Real)', 'Operating cost per barrel in real terms (USD)', 'Costs', 'Double', '0.00', '', 1100, 1, 0, 0),
    ('Field', 83, 'OPEX_BBL_NOML_USD', 'Opex/bbl (Nominal)', 'Operating cost per barrel in money of the day (USD)', 'Costs', 'Double', '0.00', '', 1100, 1, 0, 0);

-- Blocks (table Block)
INSERT INTO ResultColumn VALUES
    ('Block', 1, 'Block_Reference', 'Block', 'Block or licence area', 'Identity', 'String', '', '', 1800, 0, 0, 0),
    ('Block', 2, 'Block_Code', 'Block Code', 'Key of the block', 'Identity', 'Long', '0', '', 900, 0, 1, 0),
    ('Block', 3, 'Quadrant', 'Quadrant', 'Quadrant of an offshore block', 'Identity', 'String', '', '', 1100, 0, 0, 0),
    ('Block', 4, 'Block', 'Block Number', 'Number of an offshore block', 'Identity', 'String', '', '', 1100, 0, 0, 0),
    ('Block', 5, 'Sub_Block', 'Sub-block', 'Letter of a split block', 'Identity', 'String', '', '', 1100, 0, 0, 0),
    ('Block', 6, 'Basin_Name', 'Basin', 'Basin an onshore licence area lies in', 'Location', 'String', '', '', 1800, 0, 0, 0),
    ('Block', 7, 'Country_Code', 'Country Code', 'Code of the country of the block', 'Location', 'String', '', '', 1100, 0, 1, 0),
    ('Block', 8, 'Country_Name', 'Country', 'Country of the block', 'Location', 'String', '', '', 1800, 0, 0, 0),
    ('Block', 9, 'Sector_Code', 'Sector Code', 'Key of the sector', 'Location', 'Long', '0', '', 900, 0, 1, 0),
    ('Block', 10, 'Sector_Name', 'Sector', 'Sector of the block', 'Location', 'String', '', '', 1800, 0, 0, 0),
    ('Block', 11, 'OFFSHORE_CODE', 'Shore', 'Onshore or offshore', 'Location', 'String', '', '', 1100, 0, 0, 0),
    ('Block', 12, 'Water_Depth_Min', 'Min Water Depth', 'Shallowest water over the block', 'Location', 'Double', '#,##0', 'Depth', 1300, 0, 0, 0),
    ('Block', 13, 'Water_Depth_Max', 'Max Water Depth', 'Deepest water over the block', 'Location', 'Double', '#,##0', 'Depth', 1300, 0, 0, 0),
    ('Block', 14, 'Licence_Reference', 'Licence', 'Licence the block is held under', 'Licence', 'String', '', '', 1800, 0, 0, 0),
    ('Block', 15, 'Licence_Type_Code', 'Licence Type', 'Type of the licence', 'Licence', 'String', '', '', 1100, 0, 0, 0),
    ('Block', 16, 'Licence_Sub_Type_Code', 'Licence Sub-type', 'Sub-type of the licence', 'Licence', 'String', '', '', 1100, 0, 0, 0),
    ('Block', 17, 'Licence_Status_Code', 'Licence Status', 'Status of the licence', 'Licence', 'String', '', '', 1100, 0, 0, 0),
    ('Block', 18, 'Licence_Area_Status_Code', 'Area Status', 'Status of the licensed area', 'Licence', 'String', '', '', 1100, 0, 0, 0),
    ('Block', 19, 'Licence_Round', 'Round', 'Number of the licensing round', 'Licence', 'Long', '0', '', 900, 0, 0, 0),
    ('Block', 20, 'Licence_Round_Year', 'Round Year', 'Year of the licensing round', 'Licence', 'Long', '0', '', 800, 0, 0, 0),
    ('Block', 21, 'Licence_Award_Desc', 'Award', 'Round the licence was awarded in', 'Licence', 'String', '', '', 1800, 0, 0, 0),
    ('Block', 22, 'Operator_Code', 'Operator Code', 'Key of the operating company', 'Licence', 'Long', '0', '', 900, 0, 1, 0),
    ('Block', 23, 'Operator_Name', 'Operator', 'Operating company', 'Licence', 'String', '', '', 2400, 0, 0, 0),
    ('Block', 24, 'Issue_Date', 'Awarded', 'Date of award', 'Dates', 'Date', 'dd-mmm-yyyy', '', 1300, 0, 0, 0),
    ('Block', 25, 'First_Round', 'Initial Term Ends', 'End of the initial term', 'Dates', 'Date', 'dd-mmm-yyyy', '', 1300, 0, 0, 0),
    ('Block', 26, 'Final_Expiry', 'Expiry', 'Final expiry of the licence', 'Dates', 'Date', 'dd-mmm-yyyy', '', 1300, 0, 0, 0),
    ('Block', 27, 'Fallow_No_Year', 'Fallow Years', 'Years the block has lain fallow', 'Dates', 'Long', '0', '', 900, 0, 0, 0),
    ('Block', 28, 'Block_Area', 'Area', 'Area of the block', 'Terms', 'Double', '#,##0.0', 'Area', 1300, 1, 0, 0),
    ('Block', 29, 'Signature_Bonus', 'Signature Bonus', 'Bonus paid on award', 'Terms', 'Currency', '#,##0.00', 'Money', 1500, 1, 0, 0);

-- Wells (table Well)
INSERT INTO ResultColumn VALUES
    ('Well', 1, 'Well_Reference', 'Well', 'Well registration', 'Identity', 'String', '', '', 1800, 0, 0, 0),
    ('Well', 2, 'Well_Code', 'Well Code', 'Key of the well', 'Identity', 'Long', '0', '', 900, 0, 1, 0),
    ('Well', 3, 'Field_Code', 'Field Code', 'Key of the field the well belongs to', 'Identity', 'Long', '0', '', 900, 0, 1, 0),
    ('Well', 4, 'Field_Name', 'Field', 'Field the well belongs to', 'Identity', 'String', '', '', 2400, 0, 0, 0),
    ('Well', 5, 'Block_Code', 'Block Code', 'Key of the block', 'Location', 'Long', '0', '', 900, 0, 1, 0),
    ('Well', 6, 'Block_Reference', 'Block', 'Block the well was drilled on', 'Location', 'String', '', '', 1800, 0, 0, 0),
    ('Well', 7, 'Country_Code', 'Country Code', 'Code of the country of the well', 'Location', 'String', '', '', 1100, 0, 1, 0),
    ('Well', 8, 'Country_Name', 'Country', 'Country of the well', 'Location', 'String', '', '', 1800, 0, 0, 0),
    ('Well', 9, 'Sector_Code', 'Sector Code', 'Key of the sector', 'Location', 'Long', '0', '', 900, 0, 1, 0),
    ('Well', 10, 'Sector_Name', 'Sector', 'Sector of the well', 'Location', 'String', '', '', 1800, 0, 0, 0),
    ('Well', 11, 'OFFSHORE_CODE', 'Shore', 'Onshore or offshore', 'Location', 'String', '', '', 1100, 0, 0, 0),
    ('Well', 12, 'WATER_DEPTH', 'Water Depth', 'Water depth at the well', 'Location', 'Double', '#,##0', 'Depth', 1300, 0, 0, 0),
    ('Well', 13, 'WELL_TYPE_CODE', 'Type', 'Well type', 'Classification', 'String', '', '', 1100, 0, 0, 0),
    ('Well', 14, 'WELL_STATUS_CODE', 'Status', 'Well status', 'Classification', 'String', '', '', 1100, 0, 0, 0),
    ('Well', 15, 'WELL_RESULT_CODE', 'Result', 'Well result', 'Classification', 'String', '', '', 1100, 0, 0, 0),
    ('Well', 16, 'DISCOVERY_TYPE_CODE', 'Discovery', 'Commercial or technical discovery', 'Classification', 'String', '', '', 1100, 0, 0, 0),
    ('Well', 17, 'WELL_CLASS_TESTED', 'Tested', '"Tested" when the well was tested', 'Classification', 'String', '', '', 1100, 0, 0, 0),
    ('Well', 18, 'WELL_CLASS_RE_ENTRY', 'Re-entry', '"Re-entry" for a re-entered well', 'Classification', 'String', '', '', 1100, 0, 0, 0),
    ('Well', 19, 'WELL_CLASS_SIDE_TRACK', 'Sidetrack', '"Sidetrack" for a sidetracked well', 'Classification', 'String', '', '', 1100, 0, 0, 0),
    ('Well', 20, 'SPUD_DATE', 'Spudded', 'Spud date', 'Drilling', 'Date', 'dd-mmm-yyyy', '', 1300, 0, 0, 0),
    ('Well', 21, 'COMPLETED_DATE', 'Completed', 'Completion date', 'Drilling', 'Date', 'dd-mmm-yyyy', '', 1300, 0, 0, 0),
    ('Well', 22, 'MEASURED_DEPTH', 'Measured Depth', 'Total depth along hole', 'Drilling', 'Double', '#,##0', 'Depth', 1300, 0, 0, 0),
    ('Well', 23, 'TRUE_VERTICAL_DEPTH', 'TVD', 'True vertical depth', 'Drilling', 'Double', '#,##0', 'Depth', 1300, 0, 0, 0),
    ('Well', 24, 'RIG_CODE', 'Rig Code', 'Key of the rig', 'Drilling', 'Long', '0', '', 900, 0, 1, 0),
    ('Well', 25, 'RIG_TYPE_CODE', 'Rig Type', 'Type of the rig', 'Drilling', 'String', '', '', 1100, 0, 0, 0),
    ('Well', 26, 'Operator_Code', 'Operator Code', 'Key of the operating company', 'Drilling', 'Long', '0', '', 900, 0, 1, 0),
    ('Well', 27, 'Operator_Name', 'Operator', 'Operating company', 'Drilling', 'String', '', '', 2400, 0, 0, 0),
    ('Well', 28, 'PRIMARY_ERA', 'Primary Era', 'Era of the primary target', 'Geology', 'String', '', '', 1800, 0, 0, 0),
    ('Well', 29, 'PRIMARY_PERIOD', 'Primary Period', 'Period of the primary target', 'Geology', 'String', '', '', 1800, 0, 0, 0),
    ('Well', 30, 'PRIMARY_FORMATION', 'Primary Target', 'Primary target formation', 'Geology', 'String', '', '', 1800, 0, 0, 0),
    ('Well', 31, 'PRIMARY_ERA_CODE', 'Primary Era Code', 'Code of the era of the primary target', 'Geology', 'String', '', '', 1100, 0, 1, 0),
    ('Well', 32, 'PRIMARY_PERIOD_CODE', 'Primary Period Code', 'Code of the period of the primary target', 'Geology', 'String', '', '', 1100, 0, 1, 0),
    ('Well', 33, 'PRIMARY_FORMATION_CODE', 'Primary Formation Code', 'Code of the primary target formation', 'Geology', 'String', '', '', 1100, 0, 1, 0),
    ('Well', 34, 'PRIMARY_AGE_CODE', 'Primary Age Code', 'Key of the age of the primary target', 'Geology', 'Long', '0', '', 900, 0, 1, 0),
    ('Well', 35, 'SECONDARY_ERA', 'Secondary Era', 'Era of the secondary target', 'Geology', 'String', '', '', 1800, 0, 0, 0),
    ('Well', 36, 'SECONDARY_PERIOD', 'Secondary Period', 'Period of the secondary target', 'Geology', 'String', '', '', 1800, 0, 0, 0),
    ('Well', 37, 'SECONDARY_FORMATION', 'Secondary Target', 'Secondary target formation', 'Geology', 'String', '', '', 1800, 0, 0, 0),
    ('Well', 38, 'SECONDARY_ERA_CODE', 'Secondary Era Code', 'Code of the era of the secondary target', 'Geology', 'String', '', '', 1100, 0, 1, 0),
    ('Well', 39, 'SECONDARY_PERIOD_CODE', 'Secondary Period Code', 'Code of the period of the secondary target', 'Geology', 'String', '', '', 1100, 0, 1, 0),
    ('Well', 40, 'SECONDARY_FORMATION_CODE', 'Secondary Formation Code', 'Code of the secondary target formation', 'Geology', 'String', '', '', 1100, 0, 1, 0),
    ('Well', 41, 'SECONDARY_AGE_CODE', 'Secondary Age Code', 'Key of the age of the secondary target', 'Geology', 'Long', '0', '', 900, 0, 1, 0),
    ('Well', 42, 'TDFORMATION_ERA', 'TD Era', 'Era at total depth', 'Geology', 'String', '', '', 1800, 0, 0, 0),
    ('Well', 43, 'TDFORMATION_PERIOD', 'TD Period', 'Period at total depth', 'Geology', 'String', '', '', 1800, 0, 0, 0),
    ('Well', 44, 'TDFORMATION_FORMATION', 'TD Formation', 'Formation at total depth', 'Geology', 'String', '', '', 1800, 0, 0, 0),
    ('Well', 45, 'TDFORMATION_ERA_CODE', 'TD Era Code', 'Code of the era at total depth', 'Geology', 'String', '', '', 1100, 0, 1, 0),
    ('Well', 46, 'TDFORMATION_PERIOD_CODE', 'TD Period Code', 'Code of the period at total depth', 'Geology', 'String', '', '', 1100, 0, 1, 0),
    ('Well', 47, 'TDFORMATION_FORMATION_CODE', 'TD Formation Code', 'Code of the formation at total depth', 'Geology', 'String', '', '', 1100, 0, 1, 0),
    ('Well', 48, 'TDFORMATION_AGE_CODE', 'TD Age Code', 'Key of the age at total depth', 'Geology', 'Long', '0', '', 900, 0, 1, 0),
    ('Well', 49, 'LICENCE_AWARD_DESC', 'Award', 'Round the block was awarded in', 'Licence', 'String', '', '', 1800, 0, 0, 0),
    ('Well', 50, 'LICENCE_ROUND', 'Round', 'Number of the licensing round', 'Licence', 'Long', '0', '', 900, 0, 0, 0),
    ('Well', 51, 'LICENCE_ROUND_YEAR', 'Round Year', 'Year of the licensing round', 'Licence', 'Long', '0', '', 800, 0, 0, 0);

-- Transport systems (table Transport)
INSERT INTO ResultColumn VALUES
    ('Transport', 1, 'Transport_System', 'System', 'Name of the transport system', 'Identity', 'String', '', '', 2400, 0, 0, 0),
    ('Transport', 2, 'EVMnemonic', 'Mnemonic', 'Asset code of the system', 'Identity', 'String', '', '', 1100, 0, 0, 0),
    ('Transport', 3, 'Transport_Code', 'System Code', 'Key of the transport system', 'Identity', 'Long', '0', '', 900, 0, 1, 0),
    ('Transport', 4, 'TRANSPORT_GROUPING', 'Grouping', 'True for a system of several pipelines', 'Identity', 'Boolean', '', '', 800, 0, 0, 0),
    ('Transport', 5, 'TRANSPORT_GROUPING_CODE', 'Grouping Code', 'Key of the system the pipeline belongs to', 'Identity', 'Long', '0', '', 900, 0, 1, 0),
    ('Transport', 6, 'Transport_Grouping_System_Name', 'Grouping', 'System the pipeline belongs to', 'Identity', 'String', '', '', 2400, 0, 0, 0),
    ('Transport', 7, 'TRANSPORT_METHOD_CODE', 'Method', 'Pipeline or tanker', 'Operation', 'String', '', '', 1100, 0, 0, 0),
    ('Transport', 8, 'ENERGY_TYPE_CODE', 'Product', 'Main product carried', 'Operation', 'String', '', '', 1100, 0, 0, 0),
    ('Transport', 9, 'TRANSPORT_STATUS_CODE', 'Status', 'Status of the system', 'Operation', 'String', '', '', 1100, 0, 0, 0),
    ('Transport', 10, 'OFFSHORE_CODE', 'Shore', 'Onshore or offshore', 'Operation', 'String', '', '', 1100, 0, 0, 0),
    ('Transport', 11, 'PRODUCTION_STARTED', 'Onstream', 'Start of operation', 'Operation', 'Date', 'dd-mmm-yyyy', '', 1300, 0, 0, 0),
    ('Transport', 12, 'Operator_Code', 'Operator Code', 'Key of the operating company', 'Operation', 'Long', '0', '', 900, 0, 1, 0),
    ('Transport', 13, 'Operator_Name', 'Operator', 'Operating company', 'Operation', 'String', '', '', 2400, 0, 0, 0),
    ('Transport', 14, 'START_CODE', 'From Code', 'Key of the field or terminal where the system starts', 'Route', 'Long', '0', '', 900, 0, 1, 0),
    ('Transport', 15, 'START_TYPE', 'From Type', 'Field or terminal', 'Route', 'String', '', '', 1100, 0, 0, 0),
    ('Transport', 16, 'START_NAME', 'From', 'Where the system starts', 'Route', 'String', '', '', 2400, 0, 0, 0),
    ('Transport', 17, 'DEST_CODE', 'To Code', 'Key of the field or terminal where the system ends', 'Route', 'Long', '0', '', 900, 0, 1, 0),
    ('Transport', 18, 'DEST_TYPE', 'To Type', 'Field or terminal', 'Route', 'String', '', '', 1100, 0, 0, 0),
    ('Transport', 19, 'DEST_NAME', 'To', 'Where the system ends', 'Route', 'String', '', '', 2400, 0, 0, 0),
    ('Transport', 20, 'Pipe_Length', 'Length', 'Length of the pipeline', 'Capacity', 'Double', '#,##0.0', 'Pipeline Length', 1300, 0, 0, 0),
    ('Transport', 21, 'Pipeline_Diameter', 'Diameter (as printed)', 'Outside diameter as the operator gives it', 'Capacity', 'String', '', '', 1100, 0, 0, 0),
    ('Transport', 22, 'Pipeline_Diameter_Actual', 'Diameter', 'Outside diameter', 'Capacity', 'Double', '0.0', 'Pipeline Diameter', 1000, 0, 0, 0),
    ('Transport', 23, 'Oil_Nominal_Capacity', 'Oil Capacity', 'Nominal oil capacity', 'Capacity', 'Double', '#,##0', 'Oil Pipeline Capacity', 1300, 0, 0, 0),
    ('Transport', 24, 'LPG_Nominal_Capacity', 'LPG Capacity', 'Nominal LPG capacity', 'Capacity', 'Double', '#,##0', 'Oil Pipeline Capacity', 1300, 0, 0, 0),
    ('Transport', 25, 'Cond_Nominal_Capacity', 'Condensate Capacity', 'Nominal condensate capacity', 'Capacity', 'Double', '#,##0', 'Oil Pipeline Capacity', 1300, 0, 0, 0),
    ('Transport', 26, 'Gas_Nominal_Capacity', 'Gas Capacity', 'Nominal gas capacity', 'Capacity', 'Double', '#,##0', 'Gas Pipeline Capacity', 1300, 0, 0, 0),
    ('Transport', 27, 'Storage_Capacity', 'Storage', 'Tanker storage capacity', 'Capacity', 'Double', '#,##0', 'Oil Tanker Capacity', 1300, 0, 0, 0);

-- The participating company, in every participant view
INSERT INTO ResultColumn VALUES
    ('Participant', 1, 'Company_Name', 'Company', 'Participating company', 'Participant', 'String', '', '', 2400, 0, 0, 0),
    ('Participant', 2, 'Company_Code', 'Company Code', 'Key of the participating company', 'Participant', 'Long', '0', '', 900, 0, 1, 0),
    ('Participant', 3, 'Company_Short_Name', 'Company (Short)', 'Short name of the participating company', 'Participant', 'String', '', '', 1800, 0, 0, 0),
    ('Participant', 4, 'Company_Name_Parent', 'Parent Company', 'Parent of the participating company', 'Participant', 'String', '', '', 2400, 0, 0, 0),
    ('Participant', 5, 'Company_Code_Parent', 'Parent Code', 'Key of the parent company', 'Participant', 'Long', '0', '', 900, 0, 1, 0),
    ('Participant', 6, 'Company_Short_Name_Parent', 'Parent (Short)', 'Short name of the parent company', 'Participant', 'String', '', '', 1800, 0, 0, 0),
    ('Participant', 7, 'Interest_Perc', 'Equity (%)', 'Equity interest', 'Participant', 'Double', '0.00', '', 1100, 0, 0, 0),
    ('Participant', 8, 'Ownership_Status', 'Operator', '1 for the operator, 0 for a partner', 'Participant', 'Long', '0', '', 900, 0, 0, 0);

-- The annual grid (view FieldAnnualTransformed of the annual database)
INSERT INTO ResultColumn VALUES
    ('FieldAnnual', 1, 'Field_Name', 'Field', 'Name of the field', 'Identity', 'String', '', '', 2400, 0, 0, 0),
    ('FieldAnnual', 2, 'Field_Code', 'Field Code', 'Key of the field', 'Identity', 'Long', '0', '', 900, 0, 1, 0),
    ('FieldAnnual', 3, 'Country_Code', 'Country Code', 'Code of the country the field lies in', 'Location', 'String', '', '', 1100, 0, 1, 0),
    ('FieldAnnual', 4, 'Country_Name', 'Country', 'Country the field lies in', 'Location', 'String', '', '', 1800, 0, 0, 0),
    ('FieldAnnual', 5, 'Sector_Name', 'Sector', 'Main sector of the field', 'Location', 'String', '', '', 1800, 0, 0, 0),
    ('FieldAnnual', 6, 'Operator_Name', 'Operator', 'Operating company', 'Development', 'String', '', '', 2400, 0, 0, 0),
    ('FieldAnnual', 7, 'DEV_STATUS_CODE', 'Status', 'Development status', 'Development', 'String', '', '', 1100, 0, 0, 0),
    ('FieldAnnual', 8, 'Prod_Year', 'Year', 'Calendar year', 'Year', 'Long', '0', '', 800, 0, 0, 1),
    ('FieldAnnual', 9, 'OIL_PRODUCTION', 'Oil', 'Average oil production', 'Production', 'Double', '#,##0.0', 'Oil_Production', 1300, 0, 0, 1),
    ('FieldAnnual', 10, 'CONDENSATE_PRODUCTION', 'Condensate', 'Average condensate production', 'Production', 'Double', '#,##0.0', 'Liquids_Production', 1300, 0, 0, 1),
    ('FieldAnnual', 11, 'LPG_PRODUCTION', 'LPG', 'Average LPG production', 'Production', 'Double', '#,##0.0', 'Liquids_Production', 1300, 0, 0, 1),
    ('FieldAnnual', 12, 'LIQUID_PRODUCTION', 'Liquids', 'Average liquids production', 'Production', 'Double', '#,##0.0', 'Liquids_Production', 1300, 0, 0, 1),
    ('FieldAnnual', 13, 'GAS_PRODUCTION', 'Gas', 'Average gas production', 'Production', 'Double', '#,##0.0', 'Gas_Production', 1300, 0, 0, 1),
    ('FieldAnnual', 14, 'TOTAL_PRODUCTION', 'Total', 'Average production, oil equivalent', 'Production', 'Double', '#,##0.0', 'Total_Production', 1300, 0, 0, 1),
    ('FieldAnnual', 15, 'LIQUID_VOLUME', 'Liquids Volume', 'Liquids produced in the year', 'Production', 'Double', '#,##0.0', 'Liquids_Reserves', 1300, 0, 0, 1),
    ('FieldAnnual', 16, 'GAS_VOLUME', 'Gas Volume', 'Gas produced in the year', 'Production', 'Double', '#,##0.0', 'Gas_Reserves', 1300, 0, 0, 1),
    ('FieldAnnual', 17, 'TOTAL_VOLUME', 'Total Volume', 'Volumes produced in the year, oil equivalent', 'Production', 'Double', '#,##0.0', 'Total_Reserves', 1300, 0, 0, 1),
    ('FieldAnnual', 18, 'CAPEX_REAL', 'Capex', 'Capital spend in real terms', 'Costs', 'Double', '#,##0.0', 'Money', 1300, 0, 0, 1),
    ('FieldAnnual', 19, 'CAPEX_NOML', 'Capex (Nominal)', 'Capital spend in money of the day', 'Costs', 'Double', '#,##0.0', 'Money', 1300, 0, 0, 1),
    ('FieldAnnual', 20, 'OPEX_REAL', 'Opex', 'Operating cost in real terms', 'Costs', 'Double', '#,##0.0', 'Money', 1300, 0, 0, 1),
    ('FieldAnnual', 21, 'OPEX_NOML', 'Opex (Nominal)', 'Operating cost in money of the day', 'Costs', 'Double', '#,##0.0', 'Money', 1300, 0, 0, 1),
    ('FieldAnnual', 22, 'ABN_COSTS_REAL_USD', 'Abandonment', 'Abandonment spend in real terms', 'Costs', 'Double', '#,##0.0', 'Money', 1300, 0, 0, 1),
    ('FieldAnnual', 23, 'ABN_COSTS_NOML_USD', 'Abandonment (Nominal)', 'Abandonment spend in money of the day', 'Costs', 'Double', '#,##0.0', 'Money', 1300, 0, 0, 1),
    ('FieldAnnual', 24, 'DEV_DRILLING_REAL_USD', 'Development Drilling', 'Development drilling spend in real terms', 'Costs', 'Double', '#,##0.0', 'Money', 1300, 0, 0, 1),
    ('FieldAnnual', 25, 'DEV_DRILLING_NOML_USD', 'Development Drilling (Nominal)', 'Development drilling spend in money of the day', 'Costs', 'Double', '#,##0.0', 'Money', 1300, 0, 0, 1),
    ('FieldAnnual', 26, 'OTH_FIELD_CAPEX_REAL_USD', 'Other Field Capex', 'Other field capital spend in real terms', 'Costs', 'Double', '#,##0.0', 'Money', 1300, 0, 0, 1),
    ('FieldAnnual', 27, 'OTH_FIELD_CAPEX_NOML_USD', 'Other Field Capex (Nominal)', 'Other field capital spend in money of the day', 'Costs', 'Double', '#,##0.0', 'Money', 1300, 0, 0, 1),
    ('FieldAnnual', 28, 'TRN_CAPEX_REAL_USD', 'Transport Capex', 'Transport capital spend in real terms', 'Costs', 'Double', '#,##0.0', 'Money', 1300, 0, 0, 1),
    ('FieldAnnual', 29, 'TRN_CAPEX_NOML_USD', 'Transport Capex (Nominal)', 'Transport capital spend in money of the day', 'Costs', 'Double', '#,##0.0', 'Money', 1300, 0, 0, 1);
-- The grids: the source's own columns first, in a participant view then the company's and the
-- net shares.  Sequence is the order the chooser offers them in.
INSERT INTO FieldChooser (Asset_Type, Grid_Type, Sequence, Field_Name, Display_Name, Description, DataType,
                          FormatString, Category, NetValueStatus, HideInFieldChooser, FieldAnnualRow,
                          Column_Group, Default_Width)
SELECT G.Asset_Type, G.Grid_Type, R.Ordinal, R.Column_Name, R.Display_Name, R.Description, R.DataType,
       R.FormatString, R.Category, R.Net, R.Hidden, R.Annual, R.Column_Group, R.Default_Width
FROM ResultGrid G
INNER JOIN ResultColumn R ON R.Source = G.Source
UNION ALL
SELECT G.Asset_Type, G.Grid_Type, 1000 + R.Ordinal, R.Column_Name, R.Display_Name, R.Description, R.DataType,
       R.FormatString, R.Category, 0, R.Hidden, 0, R.Column_Group, R.Default_Width
FROM ResultGrid G
INNER JOIN ResultColumn R ON R.Source = 'Participant'
WHERE G.Grid_Type = 'Ownership'
UNION ALL
SELECT G.Asset_Type, G.Grid_Type, 2000 + R.Ordinal, R.Column_Name || '_Net', R.Display_Name || ' (Net)',
       R.Description || ', the company''s share', R.DataType, R.FormatString, R.Category, 0, R.Hidden, 0,
       R.Column_Group, R.Default_Width
FROM ResultGrid G
INNER JOIN ResultColumn R ON R.Source = G.Source AND R.Net = 1
WHERE G.Grid_Type = 'Ownership';

UPDATE FieldChooser
SET Mandatory = COALESCE((SELECT D.Mandatory FROM GridDefault D
                          WHERE D.Asset_Type = FieldChooser.Asset_Type AND D.Grid_Type = FieldChooser.Grid_Type
                            AND D.Field_Name = FieldChooser.Field_Name), 0),
    FixedOnGrid = COALESCE((SELECT D.Fixed FROM GridDefault D
                            WHERE D.Asset_Type = FieldChooser.Asset_Type AND D.Grid_Type = FieldChooser.Grid_Type
                              AND D.Field_Name = FieldChooser.Field_Name), 0),
    Layout_Position = (SELECT D.Layout_Position FROM GridDefault D
                       WHERE D.Asset_Type = FieldChooser.Asset_Type AND D.Grid_Type = FieldChooser.Grid_Type
                         AND D.Field_Name = FieldChooser.Field_Name);

-- Net shares only make sense once the participants are rolled up.
UPDATE FieldChooser SET ParticipantRollUponly = 1 WHERE Grid_Type = 'Ownership' AND Field_Name LIKE '%\_Net' ESCAPE '\';
