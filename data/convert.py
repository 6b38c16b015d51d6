#!/usr/bin/env python3
"""Builds the import directory of the default database from the sourced CSVs.

    convert.py SOURCES_DIR OUT_DIR

Every source CSV starts with a comment line naming its source, then the header. The
output is the directory layout that `korvexdb import` reads (one CSV per table plus
sources.csv). Source numbers are copied as text; the only computed values are the
heat-transfer coefficients of the openings (K = 1/R). After writing, every output file is
read back and each source value checked against it, so a mapping slip stops the build.
MAPPING.md explains every decision taken here.
"""

import csv
import io
import os
import sys

CLIMATE_COLD = [
    'MostColdDay_Supply98', 'MostColdDay_Supply92', 'MostCold5Days_Supply98',
    'MostCold5Days_Supply92', 'Supply94', 'AbsoluteCold', 'AverageDayTempAmplitude',
    'AverageTempPairs_LessEqual0_uiDuration', 'AverageTempPairs_LessEqual0_AverageTemp',
    'AverageTempPairs_LessEqual8_uiDuration', 'AverageTempPairs_LessEqual8_AverageTemp',
    'AverageTempPairs_LessEqual10_uiDuration', 'AverageTempPairs_LessEqual10_AverageTemp',
    'AverageMostColdMonthHumidity', 'AverageMostColdMonthHumidity15', 'Precipitations',
    'WindDirection', 'MaxAverageWindSpeed', 'AverageWindSpeed8', 'SnowFallTemperature',
    'SnowFallIntensity', 'SnowMoveIntensity']
CLIMATE_WARM = [
    'Pressure', 'Temp95', 'Temp99', 'MaxAverageTemp', 'AbsoluteMaxTemp',
    'AverageDayTempAmplitude', 'AverageMostWarmMonthHumidity',
    'AverageMostWarmMonthHumidity15', 'Precipitations', 'PrecipitationsMax', 'Direction',
    'MinAverageWindSpeed']
MONTHS = ['Jan', 'Feb', 'Mar', 'Apr', 'May', 'Jun', 'Jul', 'Aug', 'Sep', 'Oct', 'Nov', 'Dec',
          'Year']
CONSUMER_VALUES = [
    'ExpenseGeneral', 'ExpenseHour', 'ExpenseDayGeneral', 'ExpenseHotWaterSupplyDay',
    'ExpenseHourGeneral', 'ExpenseHotWaterSupplyHour', 'ExpenseSecondDeviceGeneral',
    'ExpenseHourDeviceGeneral', 'ExpenseColdWaterSupplySecondDevice',
    'ExpenseColdWaterSupplyHourDevice', 'ExpenseHotWaterSupplySecondDevice',
    'ExpenseHotWaterSupplyHourDevice', 'ExpenseSeparateDevices']

HEADERS = {
    'pipes.csv': ['PipeType', 'D_outside', 'd_inside', 'Roughness', 'Lamda'],
    'devices_din.csv': ['Type', 'Pressure', 'ExpenditureCold', 'ExpenditureHot'],
    'embrasures.csv': ['Typ_perekr', 'Typ', 'Material_perepleta', 'Steklo', 'D_vozduh1',
                       'D_vozduh2', 'D_vozduh3', 'K_visoty', 'K_teploperedachi'],
    'climate_cold.csv': ['Country', 'Region', 'Name'] + CLIMATE_COLD,
    'climate_warm.csv': ['Country', 'Region', 'Name'] + CLIMATE_WARM,
    'climate_temperature.csv': ['Country', 'Region', 'Name'] + MONTHS,
    'climate_pressure.csv': ['Country', 'Region', 'Name'] + MONTHS,
    'coolants.csv': ['Name', 'T', 'C', 'RO', 'VZK'],
    'materials.csv': ['MaterialGroup', 'MaterialName', 'K1', 'K2'],
    'kms.csv': ['CategoryName', 'DevicesHeating', 'Number_Mark', 'DevicesHeatingImage', 'DUP',
                'KMS', 'Image', 'Comment'],
    'consumers.csv': ['Category', 'SubCategory', 'Unit'] + CONSUMER_VALUES,
    'sources.csv': ['dataset', 'file', 'source'],
}

# Source columns of the cold period, in the order of the table's columns.
COLD_FROM_SOURCE = [
    't_1day_098_C', 't_1day_092_C', 't_5day_098_C', 't_5day_092_C', 't_094_C', 't_abs_min_C',
    'amp_cold_month_C', 'heat_days_le0', 'heat_t_mean_le0_C', 'heat_days_le8',
    'heat_t_mean_le8_C', 'heat_days_le10', 'heat_t_mean_le10_C', 'rh_cold_month_pct',
    'rh15_cold_month_pct', 'precip_nov_mar_mm', 'wind_dir_dec_feb', 'wind_max_jan_m_s',
    'wind_mean_le8_m_s']
# Temperatures a heating design reads: when the source leaves one out, the table can only
# hold 0, so the settlement's name says which ones are missing.
COLD_DESIGN_LABELS = {
    't_1day_098_C': 't сут. 0,98', 't_1day_092_C': 't сут. 0,92', 't_5day_098_C': 't пятидн. 0,98',
    't_5day_092_C': 't пятидн. 0,92', 't_094_C': 't 0,94', 't_abs_min_C': 't абс. мин.',
    'amp_cold_month_C': 'амплитуда'}
# Settlements whose absolute minimum the source gives above a coldest-day temperature: kept
# as transcribed, and the name tells the user to check them.
SUSPECT_ABSOLUTE_MINIMUM = {'Братск', 'Палатка', 'Среднекан', 'Ниванкюль'}
SUSPECT_NOTE = ' (проверить: абс. минимум в источнике не ниже t наиболее холодных суток)'
COUNTRY_NAMES = {'Россия': 'РОССИЯ', 'Казахстан': 'КАЗАХСТАН', 'Україна': 'УКРАИНА'}

GAS_NAMES = [('gas_air_pct', 'воздух'), ('gas_kr_pct', 'криптон'), ('gas_ar_pct', 'аргон')]
# R of a glazing unit is that of the unit alone.
GLAZING_FRAME = 'без учета переплета'
CHAMBERS = {'1': 'Однокамерный стеклопакет', '2': 'Двухкамерный стеклопакет'}
GLAZING_GROUP = 'Стеклопакеты, ДСТУ 9191:2022 табл. Б (K = 1/R, вычислено)'
FILLING_GROUP = 'Заполнения световых проемов, СНиП II-3-79* прил. 6* (K = 1/R, вычислено)'
FITTING_CATEGORY = 'Фитинги и арматура (метод 3-K, Darby)'
FITTING_COMMENT = ('ζ при Re → ∞ = Ki·(1 + Kd/DN^0.3), DN в дюймах; вычислено. '
                   'При конечном Re прибавить K1/Re.')
FITTING_BORES = ['15', '20', '25', '32', '40', '50']
# The source lists two values of one material at one density; the library keeps one
# material per name and weight, so the two get distinct names in source order.
REPEATED_MATERIAL_SUFFIXES = [' (первое значение источника)', ' (второе значение источника)']


def read_source(path):
    """Rows of a source CSV as dictionaries (the comment line skipped)."""
    with open(path, encoding='utf-8', newline='') as f:
        first = f.readline()
        if not first.startswith('#'):
            sys.exit(f'{path}: the first line must name the source')
        return list(csv.DictReader(f))


def number(text):
    """The shortest text of a number for the tables that hold numbers (coolants, KMS,
    climate): the same value as the source's text, without its trailing zeros (1.73060 is
    1.7306), which is also how the table gives it back."""
    shortest = repr(float(text))
    return shortest[:-2] if shortest.endswith('.0') else shortest


def not_given_if_zero(text):
    """The consumer source writes 0 where the code prints a dash or gives no value."""
    return '' if text.strip() in ('0', '0.0') else text


def heat_transfer(resistance):
    """K = 1/R to four significant digits; the source gives R to two decimals."""
    return f'{1.0 / float(resistance):.4g}'


def pipes(src):
    return [[r['name_ru'], r['od_mm'], r['id_mm'], r['roughness_mm'], r['wall_lambda_W_per_mK']]
            for r in read_source(os.path.join(src, 'pipes.csv'))]


def devices_din(src):
    rows = []
    for r in read_source(os.path.join(src, 'din_devices.csv')):
        name = (f"{r['device_ru']} (EN 806-3: QA = {r['QA_l_s']} л/с, "
                f"Qmin = {r['Qmin_l_s']} л/с, LU = {r['loading_units']})")
        rows.append([name, r['min_flow_pressure_bar'], r['q_cold_l_s'], r['q_hot_l_s']])
    return rows


def embrasures(src):
    rows = []
    for r in read_source(os.path.join(src, 'openings.csv')):
        if r['kind'] == 'glazing unit':
            gases = ', '.join(f'{label} {r[col]} %' for col, label in GAS_NAMES if r[col])
            glazing = f"{r['glazing_formula']}, {gases}"
            rows.append([GLAZING_GROUP, CHAMBERS[r['chambers']], GLAZING_FRAME, glazing, '', '', '', '',
                         heat_transfer(r['R_m2K_W'])])
            continue
        frame = 'без переплета' if 'без переплета' in r['note'] else ''
        rows.append([FILLING_GROUP, r['description'], frame, '', '', '', '', '',
                     heat_transfer(r['R_m2K_W'])])
        if r['R_col2_m2K_W']:
            rows.append([FILLING_GROUP, r['description'], 'значение 2-го столбца источника', '',
                         '', '', '', '', heat_transfer(r['R_col2_m2K_W'])])
    return rows


def climate_cold(src):
    rows = []
    for name in ('climate_ru.csv', 'climate_kz.csv'):
        for r in read_source(os.path.join(src, name)):
            missing = [label for col, label in COLD_DESIGN_LABELS.items() if not r[col]]
            settlement = r['settlement']
            if missing:
                settlement += f" (нет в источнике: {', '.join(missing)})"
            if settlement in SUSPECT_ABSOLUTE_MINIMUM:
                settlement += SUSPECT_NOTE
            values = []
            for col in COLD_FROM_SOURCE:
                value = r[col]
                if col == 'wind_dir_dec_feb' and ',' in value:
                    sys.exit(f"{name}: {settlement}: two wind directions, the table holds one")
                if col != 'wind_dir_dec_feb':
                    value = number(value or '0')
                values.append(value)
            rows.append([COUNTRY_NAMES[r['country']], r['region'], settlement] + values
                        + ['0', '0', '0'])
    return rows


def climate_temperature(src):
    months = [f't_mean_{m.lower()}_C' for m in MONTHS]
    return [[COUNTRY_NAMES[r['country']], r['region_ru'], r['settlement_ru']]
            + [number(r[m]) for m in months]
            for r in read_source(os.path.join(src, 'climate_ua.csv'))]


def coolants(src):
    properties = ('cp_J_per_kgK', 'density_kg_per_m3', 'kin_viscosity_m2_per_s_x1e6')
    rows = [['Вода', r['T_C']] + [number(r[p]) for p in properties]
            for r in read_source(os.path.join(src, 'coolant_water.csv'))]
    for r in read_source(os.path.join(src, 'coolant_glycols.csv')):
        rows.append([f"{r['fluid_ru']} {r['conc_vol_pct']} % по объему", r['T_C']]
                    + [number(r[p]) for p in properties])
    return rows


def materials(src):
    source = read_source(os.path.join(src, 'materials.csv'))
    seen = {}
    for r in source:
        key = (r['subgroup_src'], r['name_src'], r['density_kg_per_m3'])
        seen[key] = seen.get(key, 0) + 1
    rows, used = [], {}
    for r in source:
        key = (r['subgroup_src'], r['name_src'], r['density_kg_per_m3'])
        name = r['name_ru']
        if seen[key] > 1:
            name += REPEATED_MATERIAL_SUFFIXES[used.get(key, 0)]
            used[key] = used.get(key, 0) + 1
        rows.append([f"{r['class_ru']} — {r['subgroup_ru']}", name, r['density_kg_per_m3'],
                     r['lambda_design_W_per_mK']])
    return rows


def kms(src):
    rows = []
    for r in read_source(os.path.join(src, 'fittings_zeta.csv')):
        mark = f"K1 = {r['K1']}; Ki = {r['Ki']}; Kd = {r['Kd_in']} дюйм^0.3"
        for bore in FITTING_BORES:
            rows.append([FITTING_CATEGORY, r['fitting_ru'], mark, '', bore,
                         number(r[f'zeta_turbulent_DN{bore}']), '', FITTING_COMMENT])
    return rows


def consumers(src):
    rows = []
    for r in read_source(os.path.join(src, 'consumers.csv')):
        device_flow = not_given_if_zero(r['q0_c_or_h_l_s'])
        device_flow_hour = not_given_if_zero(r['q0_c_or_h_hr_l_h'])
        values = {
            'ExpenseGeneral': r['q_u_tot_l_day'], 'ExpenseHour': r['q_u_h_l_day'],
            'ExpenseHourGeneral': r['q_hr_u_tot_l_h'], 'ExpenseHotWaterSupplyHour': r['q_hr_u_h_l_h'],
            'ExpenseSecondDeviceGeneral': r['q0_tot_l_s'], 'ExpenseHourDeviceGeneral': r['q0_tot_hr_l_h'],
        }
        values = {k: not_given_if_zero(v) for k, v in values.items()}
        # One value of the source serves cold and hot water alike.
        values['ExpenseColdWaterSupplySecondDevice'] = device_flow
        values['ExpenseHotWaterSupplySecondDevice'] = device_flow
        values['ExpenseColdWaterSupplyHourDevice'] = device_flow_hour
        values['ExpenseHotWaterSupplyHourDevice'] = device_flow_hour
        rows.append([r['category'], r['consumer'], r['unit']]
                    + [values.get(c, '') for c in CONSUMER_VALUES])
    return rows


SOURCES = [
    ('Вода', 'coolants.csv', 'IAPWS-IF97 (cp, плотность) и IAPWS 2008 (вязкость), расчет python3-iapws 1.5.2 при 0,3 МПа; выше 133,5 °C — насыщенная жидкость'),
    ('Этиленгликоль и пропиленгликоль 10–60 % по объему', 'coolants.csv', '2001 ASHRAE Handbook Fundamentals, таблицы гликолей (ингибированные), по CoolProp SecCool/ASHRAE; кинематическая вязкость = динамическая / плотность (вычислено)'),
    ('Трубы', 'pipes.csv', 'ГОСТ 3262-75 табл. 1; EN 1057 (HALCOR); PE-RT DIN 16833, PE-Xb EN ISO 15875 (таблицы изготовителей); PP-R DIN 8077; PE-RT/Al/PE-RT (таблица изготовителя); шероховатость — Идельчик; λ стали и меди — ДСТУ 9191:2022; внутренний Ø = наружный − 2·стенка (вычислено)'),
    ('Материалы', 'materials.csv', 'ДСТУ 9191:2022, таблица расчетных теплофизических характеристик (по bilux-calc, приложение C)'),
    ('Приборы по DIN', 'devices_din.csv', 'EN 806-3:2006 табл. 2 (QA, Qmin, LU — в названии прибора); разбивка ХВ/ГВ и давление по DIN 1988-300 не найдены — поля пусты'),
    ('КМС фитингов', 'kms.csv', 'Метод 3-K: Silverberg & Darby, Chemical Engineering 106(7), 1999 (по библиотеке fluids); ζ для DN15–50 при Re → ∞ вычислено'),
    ('Климат России', 'climate_cold.csv', 'СП 131.13330.2012 «Строительная климатология», табл. 3.1 (оцифрованная копия)'),
    ('Климат Казахстана', 'climate_cold.csv', 'СНиП РК 2.04-01-2001 «Строительная климатология», табл. 1 (по опубликованной выдержке)'),
    ('Климат Украины', 'climate_temperature.csv', 'ДСТУ 9190:2022 / ДСТУ-Н Б В.1.1-27:2010, среднемесячные температуры (по bilux-calc, приложение A)'),
    ('Нормы водопотребления', 'consumers.csv', 'СП 30.13330.2020 табл. А.2 (оцифрованная копия); 0 источника = не задано'),
    ('Стеклопакеты', 'embrasures.csv', 'ДСТУ 9191:2022 табл. Б, приведенное сопротивление R; K = 1/R (вычислено)'),
    ('Заполнения световых проемов', 'embrasures.csv', 'СНиП II-3-79* прил. 6* (строки 1–5 по выдержке zakonbase.ru, остальные — по одной неподтвержденной копии); K = 1/R (вычислено)'),
]


def build(src):
    cold = climate_cold(src)
    return {
        'pipes.csv': pipes(src),
        'devices_din.csv': devices_din(src),
        'embrasures.csv': embrasures(src),
        'climate_cold.csv': cold,
        'climate_warm.csv': [],
        'climate_temperature.csv': climate_temperature(src),
        'climate_pressure.csv': [],
        'coolants.csv': coolants(src),
        'materials.csv': materials(src),
        'kms.csv': kms(src),
        'consumers.csv': consumers(src),
        'sources.csv': [list(s) for s in SOURCES],
    }


def write(out, tables):
    os.makedirs(out, exist_ok=True)
    for name, rows in tables.items():
        buffer = io.StringIO()
        writer = csv.writer(buffer, lineterminator='\n')
        writer.writerow(HEADERS[name])
        for row in rows:
            assert len(row) == len(HEADERS[name]), (name, row)
            writer.writerow(row)
        with open(os.path.join(out, name), 'w', encoding='utf-8', newline='') as f:
            f.write(buffer.getvalue())


def verify(src, out):
    """Every source value that goes into the database is found unchanged in the output."""
    def table(name):
        with open(os.path.join(out, name), encoding='utf-8', newline='') as f:
            return list(csv.DictReader(f))

    def expect(what, got, want):
        if got != want:
            try:
                if float(got) == float(want):
                    return
            except (TypeError, ValueError):
                pass
            sys.exit(f'convert.py: {what}: wrote {got!r}, source has {want!r}')

    written = {r['PipeType']: r for r in table('pipes.csv')}
    for r in read_source(os.path.join(src, 'pipes.csv')):
        w = written[r['name_ru']]
        for col, src_col in (('D_outside', 'od_mm'), ('d_inside', 'id_mm'),
                             ('Roughness', 'roughness_mm'), ('Lamda', 'wall_lambda_W_per_mK')):
            expect(f"pipe {r['name']} {col}", w[col], r[src_col])
        expect(f"pipe {r['name']} inner diameter", float(r['id_mm']),
               round(float(r['od_mm']) - 2 * float(r['wall_mm']), 6))

    written = {(r['Name'], int(r['T'])): r for r in table('coolants.csv')}
    water = read_source(os.path.join(src, 'coolant_water.csv'))
    glycols = read_source(os.path.join(src, 'coolant_glycols.csv'))
    for r in water + glycols:
        name = f"{r['fluid_ru']} {r['conc_vol_pct']} % по объему" if 'fluid_ru' in r else 'Вода'
        w = written[(name, int(r['T_C']))]
        for col, src_col in (('C', 'cp_J_per_kgK'), ('RO', 'density_kg_per_m3'),
                             ('VZK', 'kin_viscosity_m2_per_s_x1e6')):
            expect(f'{name} {r["T_C"]} °C {col}', w[col], r[src_col])
    expect('coolant rows', len(written), len(water) + len(glycols))

    written = [(r['K1'], r['K2']) for r in table('materials.csv')]
    source = [(r['density_kg_per_m3'], r['lambda_design_W_per_mK'])
              for r in read_source(os.path.join(src, 'materials.csv'))]
    expect('materials (weight, λ) in source order', written, source)

    written = table('climate_cold.csv')
    source = [(name, r) for name in ('climate_ru.csv', 'climate_kz.csv')
              for r in read_source(os.path.join(src, name))]
    expect('cold-period records', len(written), len(source))
    for w, (name, r) in zip(written, source):
        if (w['Region'], w['Name'][:len(r['settlement'])]) != (r['region'], r['settlement']):
            sys.exit(f"convert.py: {name}: {r['settlement']} written as {w['Name']}")
        for col, src_col in zip(CLIMATE_COLD, COLD_FROM_SOURCE):
            want = r[src_col] or ('' if src_col == 'wind_dir_dec_feb' else '0')
            expect(f"{r['settlement']} {col}", w[col], want)

    written = {(r['Region'], r['Name']): r for r in table('climate_temperature.csv')}
    for r in read_source(os.path.join(src, 'climate_ua.csv')):
        w = written[(r['region_ru'], r['settlement_ru'])]
        for m in MONTHS:
            expect(f"{r['settlement']} {m}", w[m], r[f't_mean_{m.lower()}_C'])

    written = {(r['DevicesHeating'], r['DUP']): r for r in table('kms.csv')}
    for r in read_source(os.path.join(src, 'fittings_zeta.csv')):
        for bore in FITTING_BORES:
            w = written[(r['fitting_ru'], bore)]
            expect(f"{r['fitting']} DN{bore}", w['KMS'], r[f'zeta_turbulent_DN{bore}'])
            for const in ('K1', 'Ki', 'Kd_in'):
                if f"{const.split('_')[0]} = {r[const]}" not in w['Number_Mark']:
                    sys.exit(f"convert.py: {r['fitting']}: {const} missing from the designation")

    written = {r['SubCategory']: r for r in table('consumers.csv')}
    for r in read_source(os.path.join(src, 'consumers.csv')):
        w = written[r['consumer']]
        for col, src_col in (('ExpenseGeneral', 'q_u_tot_l_day'), ('ExpenseHour', 'q_u_h_l_day'),
                             ('ExpenseHourGeneral', 'q_hr_u_tot_l_h'),
                             ('ExpenseHotWaterSupplyHour', 'q_hr_u_h_l_h'),
                             ('ExpenseSecondDeviceGeneral', 'q0_tot_l_s'),
                             ('ExpenseHourDeviceGeneral', 'q0_tot_hr_l_h'),
                             ('ExpenseColdWaterSupplySecondDevice', 'q0_c_or_h_l_s'),
                             ('ExpenseColdWaterSupplyHourDevice', 'q0_c_or_h_hr_l_h')):
            expect(f"{r['consumer']} {col}", w[col], not_given_if_zero(r[src_col]))

    openings = table('embrasures.csv')
    source = read_source(os.path.join(src, 'openings.csv'))
    resistances = [r['R_m2K_W'] for r in source]
    resistances += [r['R_col2_m2K_W'] for r in source if r['R_col2_m2K_W']]
    computed = sorted(f'{1.0 / float(w["K_teploperedachi"]):.2f}' for w in openings)
    expect('R = 1/K of the openings', computed, sorted(f'{float(r):.2f}' for r in resistances))


def main():
    if len(sys.argv) != 3:
        sys.exit('usage: convert.py SOURCES_DIR OUT_DIR')
    src, out = sys.argv[1], sys.argv[2]
    tables = build(src)
    write(out, tables)
    verify(src, out)
    for name, rows in tables.items():
        print(f'{name}: {len(rows)} records')


if __name__ == '__main__':
    main()
