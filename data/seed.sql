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

-- Sanitary devices with their DIN 1988 design flows (l/s) and minimum flow pressure (bar).
CREATE TABLE DEVICES_DIN (SortID integer PRIMARY KEY, Type varchar, Pressure varchar, ExpenditureCold varchar, ExpenditureHot varchar);
INSERT INTO DEVICES_DIN (Type, Pressure, ExpenditureCold, ExpenditureHot) VALUES
  ('Умывальник', '1.0', '0.07', '0.07'),
  ('Мойка кухонная', '1.0', '0.07', '0.07'),
  ('Душ', '1.0', '0.15', '0.15'),
  ('Ванна', '1.0', '0.15', '0.15'),
  ('Унитаз со смывным бачком', '0.5', '0.13', '0'),
  ('Писсуар', '1.0', '0.30', '0'),
  ('Стиральная машина', '1.0', '0.25', '0'),
  ('Посудомоечная машина', '1.0', '0.07', '0');

-- Coolants: a name row opens a coolant, its property rows follow in rising temperature.
-- T in °C, C in J/(kg·K), RO in kg/m³, VZK = kinematic viscosity in m²/s × 10⁶.
CREATE TABLE COOLANTS (SortID integer PRIMARY KEY, Name varchar, T varchar, C varchar, RO varchar, VZK varchar);
INSERT INTO COOLANTS (Name) VALUES ('Вода');
INSERT INTO COOLANTS (T, C, RO, VZK) VALUES
  ('0', '4212', '999.9', '1.789'),
  ('10', '4191', '999.7', '1.306'),
  ('20', '4183', '998.2', '1.006'),
  ('30', '4174', '995.7', '0.805'),
  ('40', '4174', '992.2', '0.659'),
  ('50', '4174', '988.1', '0.556'),
  ('60', '4179', '983.2', '0.478'),
  ('70', '4187', '977.8', '0.415'),
  ('80', '4195', '971.8', '0.365'),
  ('90', '4208', '965.3', '0.326'),
  ('100', '4220', '958.4', '0.295');
INSERT INTO COOLANTS (Name) VALUES ('Этиленгликоль 40 %');
INSERT INTO COOLANTS (T, C, RO, VZK) VALUES
  ('-20', '3390', '1068', '12.5'),
  ('-10', '3420', '1064', '7.9'),
  ('0', '3450', '1060', '5.4'),
  ('10', '3480', '1056', '3.9'),
  ('20', '3510', '1051', '2.9'),
  ('30', '3540', '1046', '2.25'),
  ('40', '3570', '1041', '1.8'),
  ('50', '3600', '1035', '1.47'),
  ('60', '3630', '1029', '1.22'),
  ('70', '3660', '1023', '1.03'),
  ('80', '3690', '1016', '0.88'),
  ('90', '3720', '1009', '0.77'),
  ('100', '3750', '1002', '0.68');
