-- Default content of KorvexCommonDatabase.sqlite. Tables each subsystem owns are
-- created with the same columns the library writes.

CREATE TABLE PIPES (SortID integer PRIMARY KEY, PipeType varchar, D_outside varchar, d_inside varchar, Roughness varchar, Lamda varchar);
INSERT INTO PIPES (PipeType, D_outside, d_inside, Roughness, Lamda) VALUES
  ('PE-Xa 16x2.0', '16', '12', '0.007', '0.35'),
  ('PE-Xa 20x2.0', '20', '16', '0.007', '0.35'),
  ('PE-RT 16x2.0', '16', '12', '0.007', '0.40'),
  ('Металлопластик 16x2.0', '16', '12', '0.007', '0.45'),
  ('Металлопластик 20x2.0', '20', '16', '0.007', '0.45'),
  ('Медь 15x1.0', '15', '13', '0.0015', '390'),
  ('Сталь ВГП 15x2.8', '21.3', '15.7', '0.2', '58'),
  ('Сталь ВГП 20x2.8', '26.8', '21.2', '0.2', '58');
