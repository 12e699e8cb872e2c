-- The notes database (Notes.db): the user's notes on assets.  The data set ships it empty.

CREATE TABLE Note (
    Note_ID    INTEGER PRIMARY KEY,
    Asset_Type TEXT COLLATE NOCASE NOT NULL,
    Asset_Code INTEGER NOT NULL,
    Note_Text  TEXT COLLATE NOCASE,
    Created    DATE
);
