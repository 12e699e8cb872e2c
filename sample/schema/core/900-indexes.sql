-- Indexes, built once the generated rows are in (scripts named 9xx run after the data).

CREATE INDEX ixOptionsKey ON Options ([Key]);
CREATE INDEX ixLookupType ON Lookup (LOOKUP_TYPE, LOOKUP_ORDER);
CREATE INDEX ixCompanyParent ON Company (Parent_Code);
CREATE INDEX ixFieldName ON Field (Field_Name);
CREATE INDEX ixFieldMnemonic ON Field (EVMnemonic);
CREATE INDEX ixFieldSectorField ON FieldSector (Field_Code);
CREATE INDEX ixFieldSectorSector ON FieldSector (Sector_Code);
CREATE INDEX ixFieldBlockBlock ON FieldBlock (Block_Code);
CREATE INDEX ixFieldBlockField ON FieldBlock (Field_Code);
CREATE INDEX ixFieldReservoirField ON FieldReservoir (Field_Code);
CREATE INDEX ixFieldInterestField ON FieldInterest (Field_Code);
CREATE INDEX ixFieldInterestCompany ON FieldInterest (Company_Code);
CREATE INDEX ixBlockSector ON Block (Sector_Code);
CREATE INDEX ixBlockInterestBlock ON BlockInterest (Block_Code);
CREATE INDEX ixBlockInterestCompany ON BlockInterest (Company_Code);
CREATE INDEX ixWellField ON Well (Field_Code);
CREATE INDEX ixWellBlock ON Well (Block_Code);
CREATE INDEX ixWellSector ON Well (Sector_Code);
CREATE INDEX ixTransportCountryTransport ON TransportCountry (Transport_Code);
CREATE INDEX ixTransportCountryCountry ON TransportCountry (Country_Code);
CREATE INDEX ixTransportUserFieldField ON TransportUserField (Field_Code);
CREATE INDEX ixTransportUserFieldTransport ON TransportUserField (Transport_Code);
CREATE INDEX ixTransportInterestTransport ON TransportInterest (Transport_Code);
CREATE INDEX ixFieldChooserGrid ON FieldChooser (Asset_Type, Grid_Type, Sequence);
