-- Indexes of the annual database, built once its rows are in.

CREATE INDEX ixAnnualGrossField ON FieldAnnualTotal_Gross (Field_Code, Prod_Year);
CREATE INDEX ixAnnualGrossYear ON FieldAnnualTotal_Gross (Prod_Year);
CREATE INDEX ixAnnualNetField ON FieldAnnualTotal_Net (Field_Code, Prod_Year);
CREATE INDEX ixAnnualNetYear ON FieldAnnualTotal_Net (Prod_Year);
