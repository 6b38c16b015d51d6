<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>KorvexClimateDatabase::CClimateDatabaseViewer</name>
    <message>
        <source>Сообщение Korvex. Модуль KorvexDatabase</source>
        <translation>Korvex message. KorvexDatabase module</translation>
    </message>
    <message>
        <source>Не удалось найти страну!</source>
        <translation>Country not found!</translation>
    </message>
    <message>
        <source>Страна с таким именем уже существует!</source>
        <translation>A country with this name already exists!</translation>
    </message>
    <message>
        <source>Подтверждаете удаление страны?</source>
        <translation>Delete this country?</translation>
    </message>
    <message>
        <source>Не удалось найти регион!</source>
        <translation>Region not found!</translation>
    </message>
    <message>
        <source>Регион с таким именем уже существует!</source>
        <translation>A region with this name already exists!</translation>
    </message>
    <message>
        <source>Подтверждаете удаление региона?</source>
        <translation>Delete this region?</translation>
    </message>
    <message>
        <source>Не удалось найти город!</source>
        <translation>City not found!</translation>
    </message>
    <message>
        <source>Город с таким именем уже существует!</source>
        <translation>A city with this name already exists!</translation>
    </message>
    <message>
        <source>Подтверждаете удаление города?</source>
        <translation>Delete this city?</translation>
    </message>
    <message>
        <source>Данные были изменены! Хотите сохранить изменения в базе данных?</source>
        <translation>The data have been changed! Do you want to save the changes to the database?</translation>
    </message>
    <message>
        <source>Все изменения успешно записаны на жесткий диск!</source>
        <translation>All changes have been written to the hard disk!</translation>
    </message>
    <message>
        <source>База климатологии</source>
        <translation>Climate database</translation>
    </message>
    <message>
        <source>Добавить страну</source>
        <translation>Add country</translation>
    </message>
    <message>
        <source>Удалить страну</source>
        <translation>Delete country</translation>
    </message>
    <message>
        <source>Изменить страну</source>
        <translation>Rename country</translation>
    </message>
    <message>
        <source>Добавить область</source>
        <translation>Add region</translation>
    </message>
    <message>
        <source>Удалить область</source>
        <translation>Delete region</translation>
    </message>
    <message>
        <source>Изменить область</source>
        <translation>Rename region</translation>
    </message>
    <message>
        <source>Добавить город</source>
        <translation>Add city</translation>
    </message>
    <message>
        <source>Удалить город</source>
        <translation>Delete city</translation>
    </message>
    <message>
        <source>Изменить город</source>
        <translation>Rename city</translation>
    </message>
    <message>
        <source>Неизвестная ошибка создания дерева базы климатологии!</source>
        <translation>Unknown error while building the climate database tree!</translation>
    </message>
    <message>
        <source>Введите название</source>
        <translation>Enter the name</translation>
    </message>
    <message>
        <source>Название региона должно содержать строчные буквы: название без них читается из базы данных как название страны.</source>
        <translation>A region name must contain lower-case letters: a name without them is read from the database as a country name.</translation>
    </message>
</context>
<context>
    <name>KorvexClimateDatabase::CClimateFormDialog</name>
    <message>
        <source>База климатологии</source>
        <translation>Climate database</translation>
    </message>
    <message>
        <source>Сохранить изменения в базе данных</source>
        <translation>Save changes to the database</translation>
    </message>
    <message>
        <source>Выйти</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>KorvexClimateDatabase::CColdSeasonDialog</name>
    <message>
        <source>Холодный период года</source>
        <translation>Cold season</translation>
    </message>
    <message>
        <source>Климатические параметры холодного периода года</source>
        <translation>Climatic parameters of the cold season</translation>
    </message>
    <message>
        <source>Температура воздуха наиболее холодных суток, °С, обеспеченностью 0.98:</source>
        <translation>Air temperature of the coldest day, °C, probability 0.98:</translation>
    </message>
    <message>
        <source>Температура воздуха наиболее холодных суток, °С, обеспеченностью 0.92:</source>
        <translation>Air temperature of the coldest day, °C, probability 0.92:</translation>
    </message>
    <message>
        <source>Температура воздуха наиболее холодной пятидневки, °С, обеспеченностью 0.98:</source>
        <translation>Air temperature of the coldest five-day period, °C, probability 0.98:</translation>
    </message>
    <message>
        <source>Температура воздуха наиболее холодной пятидневки, °С, обеспеченностью 0.92:</source>
        <translation>Air temperature of the coldest five-day period, °C, probability 0.92:</translation>
    </message>
    <message>
        <source>Температура воздуха, °С, обеспеченностью 0,94:</source>
        <translation>Air temperature, °C, probability 0.94:</translation>
    </message>
    <message>
        <source>Абсолютная минимальная температура воздуха, °С:</source>
        <translation>Absolute minimum air temperature, °C:</translation>
    </message>
    <message>
        <source>Средняя суточная амплитуда температуры воздуха наиболее холодного месяца, °С:</source>
        <translation>Mean daily air temperature range of the coldest month, °C:</translation>
    </message>
    <message>
        <source>Средняя месячная относительная влажность воздуха наиболее холодного месяца, %:</source>
        <translation>Mean monthly relative humidity of the coldest month, %:</translation>
    </message>
    <message>
        <source>Средняя месячная относительная влажность воздуха в 15 ч наиболее холодного месяца, %:</source>
        <translation>Mean monthly relative humidity at 15:00 in the coldest month, %:</translation>
    </message>
    <message>
        <source>Количество осадков за ноябрь - март, мм:</source>
        <translation>Precipitation, November to March, mm:</translation>
    </message>
    <message>
        <source>Преобладающее направление ветра за декабрь - февраль:</source>
        <translation>Prevailing wind direction, December to February:</translation>
    </message>
    <message>
        <source>Максимальная из средних скоростей ветра по румбам за январь, м/с:</source>
        <translation>Maximum of the mean wind speeds by direction in January, m/s:</translation>
    </message>
    <message>
        <source>Средняя скорость ветра, м/с, за период со средней суточной температурой воздуха &lt; 8 °С:</source>
        <translation>Mean wind speed, m/s, over the period with mean daily air temperature &lt; 8 °C:</translation>
    </message>
    <message>
        <source>Температура воздуха во время снегопада, °С:</source>
        <translation>Air temperature during snowfall, °C:</translation>
    </message>
    <message>
        <source>Интенсивность снегопада м снега/м2 ч:</source>
        <translation>Snowfall intensity, m of snow/m2 h:</translation>
    </message>
    <message>
        <source>Интенсивность метелей м3 м/ч:</source>
        <translation>Snowstorm intensity, m3/m h:</translation>
    </message>
    <message>
        <source>Продолжительность, сут, и средняя темп. воздуха, °С, периода со средней суточной температурой воздуха</source>
        <translation>Duration, days, and mean air temperature, °C, of the period with mean daily air temperature</translation>
    </message>
    <message>
        <source>&lt; 0 °С, продолжительность:</source>
        <translation>&lt; 0 °C, duration:</translation>
    </message>
    <message>
        <source>&lt; 0 °С, средняя температура:</source>
        <translation>&lt; 0 °C, mean temperature:</translation>
    </message>
    <message>
        <source>&lt; 8 °С, продолжительность:</source>
        <translation>&lt; 8 °C, duration:</translation>
    </message>
    <message>
        <source>&lt; 8 °С, средняя температура:</source>
        <translation>&lt; 8 °C, mean temperature:</translation>
    </message>
    <message>
        <source>&lt; 10 °С, продолжительность:</source>
        <translation>&lt; 10 °C, duration:</translation>
    </message>
    <message>
        <source>&lt; 10 °С, средняя температура:</source>
        <translation>&lt; 10 °C, mean temperature:</translation>
    </message>
</context>
<context>
    <name>KorvexClimateDatabase::CPressureDialog</name>
    <message>
        <source>Парциальное давление водяного пара</source>
        <translation>Partial pressure of water vapour</translation>
    </message>
    <message>
        <source>Среднее месячное и годовое парциальное давление вояного. пара, гПа</source>
        <translation>Mean monthly and annual partial pressure of water vapour, hPa</translation>
    </message>
    <message>
        <source>I</source>
        <translation>Jan</translation>
    </message>
    <message>
        <source>II</source>
        <translation>Feb</translation>
    </message>
    <message>
        <source>III</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>IV</source>
        <translation>Apr</translation>
    </message>
    <message>
        <source>V</source>
        <translation>May</translation>
    </message>
    <message>
        <source>VI</source>
        <translation>Jun</translation>
    </message>
    <message>
        <source>VII</source>
        <translation>Jul</translation>
    </message>
    <message>
        <source>VIII</source>
        <translation>Aug</translation>
    </message>
    <message>
        <source>IX</source>
        <translation>Sep</translation>
    </message>
    <message>
        <source>X</source>
        <translation>Oct</translation>
    </message>
    <message>
        <source>XI</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>XII</source>
        <translation>Dec</translation>
    </message>
    <message>
        <source>Год</source>
        <translation>Year</translation>
    </message>
</context>
<context>
    <name>KorvexClimateDatabase::CTemperatureDialog</name>
    <message>
        <source>Температура воздуха</source>
        <translation>Air temperature</translation>
    </message>
    <message>
        <source>Средняя месячная и годовая температура воздуха, °С</source>
        <translation>Mean monthly and annual air temperature, °C</translation>
    </message>
    <message>
        <source>I</source>
        <translation>Jan</translation>
    </message>
    <message>
        <source>II</source>
        <translation>Feb</translation>
    </message>
    <message>
        <source>III</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>IV</source>
        <translation>Apr</translation>
    </message>
    <message>
        <source>V</source>
        <translation>May</translation>
    </message>
    <message>
        <source>VI</source>
        <translation>Jun</translation>
    </message>
    <message>
        <source>VII</source>
        <translation>Jul</translation>
    </message>
    <message>
        <source>VIII</source>
        <translation>Aug</translation>
    </message>
    <message>
        <source>IX</source>
        <translation>Sep</translation>
    </message>
    <message>
        <source>X</source>
        <translation>Oct</translation>
    </message>
    <message>
        <source>XI</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>XII</source>
        <translation>Dec</translation>
    </message>
    <message>
        <source>Год</source>
        <translation>Year</translation>
    </message>
</context>
<context>
    <name>KorvexClimateDatabase::CWarmSeasonDialog</name>
    <message>
        <source>Теплый период года</source>
        <translation>Warm season</translation>
    </message>
    <message>
        <source>Климатические параметры теплого периода года</source>
        <translation>Climatic parameters of the warm season</translation>
    </message>
    <message>
        <source>Барометрическое давление, гПа:</source>
        <translation>Barometric pressure, hPa:</translation>
    </message>
    <message>
        <source>Температура воздуха, °С, обеспеченностью 0,95:</source>
        <translation>Air temperature, °C, probability 0.95:</translation>
    </message>
    <message>
        <source>Температура воздуха, °С, обеспеченностью 0,98:</source>
        <translation>Air temperature, °C, probability 0.98:</translation>
    </message>
    <message>
        <source>Средняя максимальная температура воздуха наиболее теплого месяца, °С:</source>
        <translation>Mean maximum air temperature of the warmest month, °C:</translation>
    </message>
    <message>
        <source>Абсолютная максимальная температура воздуха, °С:</source>
        <translation>Absolute maximum air temperature, °C:</translation>
    </message>
    <message>
        <source>Средняя суточная амплитуда температуры воздуха наиболее теплого месяца, °С:</source>
        <translation>Mean daily air temperature range of the warmest month, °C:</translation>
    </message>
    <message>
        <source>Средняя месячная относительная влажность воздуха наиболее теплого месяца, %:</source>
        <translation>Mean monthly relative humidity of the warmest month, %:</translation>
    </message>
    <message>
        <source>Средняя месячная относительная влажность воздуха в 15 ч наиболее теплого месяца, %:</source>
        <translation>Mean monthly relative humidity at 15:00 in the warmest month, %:</translation>
    </message>
    <message>
        <source>Количество осадков за апрель - октябрь, мм:</source>
        <translation>Precipitation, April to October, mm:</translation>
    </message>
    <message>
        <source>Суточный максимум осадков, мм:</source>
        <translation>Maximum daily precipitation, mm:</translation>
    </message>
    <message>
        <source>Преобладающее направление ветра за июнь - август:</source>
        <translation>Prevailing wind direction, June to August:</translation>
    </message>
    <message>
        <source>Минимальная из средних скоростей ветра по румбам за июль, м/с:</source>
        <translation>Minimum of the mean wind speeds by direction in July, m/s:</translation>
    </message>
</context>
<context>
    <name>KorvexConsumerDatabase::CConsumerRedactorDialog</name>
    <message>
        <source>Диалоговое окно редактирования базы %1</source>
        <translation>Edit database %1</translation>
    </message>
    <message>
        <source>Категория</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>Добавить</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Изменить</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Подкатегория</source>
        <translation>Subcategory</translation>
    </message>
    <message>
        <source>Ед. измерения</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Сутки общий</source>
        <translation>Day, total</translation>
    </message>
    <message>
        <source>Сутки, ГВС</source>
        <translation>Day, DHW</translation>
    </message>
    <message>
        <source>Макс. сутки общий</source>
        <translation>Max. day, total</translation>
    </message>
    <message>
        <source>Макс. сутки ГВC</source>
        <translation>Max. day, DHW</translation>
    </message>
    <message>
        <source>Макс. час общий</source>
        <translation>Max. hour, total</translation>
    </message>
    <message>
        <source>Макс. час ГВC</source>
        <translation>Max. hour, DHW</translation>
    </message>
    <message>
        <source>Сек. общий приб.</source>
        <translation>Device, total, per s</translation>
    </message>
    <message>
        <source>Час общий приб.</source>
        <translation>Device, total, per h</translation>
    </message>
    <message>
        <source>Сек. ХВ приб.</source>
        <translation>Device, CW, per s</translation>
    </message>
    <message>
        <source>Час. ХВ приб.</source>
        <translation>Device, CW, per h</translation>
    </message>
    <message>
        <source>Сек. ГВ приб.</source>
        <translation>Device, HW, per s</translation>
    </message>
    <message>
        <source>Час ГВ приб.</source>
        <translation>Device, HW, per h</translation>
    </message>
    <message>
        <source>Стоки</source>
        <translation>Waste water</translation>
    </message>
    <message>
        <source>Принять</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Добавление нового потребителя</source>
        <translation>Add consumer</translation>
    </message>
    <message>
        <source>Изменение потребителя</source>
        <translation>Edit consumer</translation>
    </message>
    <message>
        <source>Добавление новой подкатегории</source>
        <translation>Add subcategory</translation>
    </message>
    <message>
        <source>Изменение подкатегории потребителя</source>
        <translation>Edit consumer subcategory</translation>
    </message>
    <message>
        <source>Подкатегория с таким именем уже существует!</source>
        <translation>A subcategory with this name already exists!</translation>
    </message>
    <message>
        <source>Не удалось найти подкатегорию %1!</source>
        <translation>Subcategory %1 not found!</translation>
    </message>
    <message>
        <source>Подтверждаете удаление подкатегории?</source>
        <translation>Delete this subcategory?</translation>
    </message>
</context>
<context>
    <name>KorvexCoolantDatabase::CCoolantRedactorDialog</name>
    <message>
        <source>Диалоговое окно редактирования базы %1</source>
        <translation>Edit database %1</translation>
    </message>
    <message>
        <source>Тип теплоносителя</source>
        <translation>Coolant</translation>
    </message>
    <message>
        <source>Добавить</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Изменить</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Температура, ºС</source>
        <translation>Temperature, °C</translation>
    </message>
    <message>
        <source>Теплоёмкость, Дж/кг  К</source>
        <translation>Heat capacity, J/kg K</translation>
    </message>
    <message>
        <source>Плотность, кг/м3</source>
        <translation>Density, kg/m3</translation>
    </message>
    <message>
        <source>Вязкость, м2/с  * 10^6 (кинематическая)</source>
        <translation>Kinematic viscosity, m2/s * 10^6</translation>
    </message>
    <message>
        <source>Принять</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Параметр с температурой %1 уже существует!</source>
        <translation>A row for the temperature %1 already exists!</translation>
    </message>
    <message>
        <source>Добавление нового теплоносителя</source>
        <translation>Add coolant</translation>
    </message>
    <message>
        <source>Изменение телоносителя</source>
        <translation>Edit coolant</translation>
    </message>
    <message>
        <source>Температура &quot;%1&quot; не сохранится: введите целое число градусов.</source>
        <translation>The temperature &quot;%1&quot; cannot be stored: enter a whole number of degrees.</translation>
    </message>
</context>
<context>
    <name>KorvexCoolantDatabase::CLoopsDialog</name>
    <message>
        <source>Петли и коллекторы</source>
        <translation>Loops and manifolds</translation>
    </message>
    <message>
        <source>Исходные данные</source>
        <translation>Input data</translation>
    </message>
    <message>
        <source>Длина петли нетто, м:</source>
        <translation>Net loop length, m:</translation>
    </message>
    <message>
        <source>Длина подводящих участков, м:</source>
        <translation>Length of the lead-in sections, m:</translation>
    </message>
    <message>
        <source>Количество отводов:</source>
        <translation>Number of bends:</translation>
    </message>
    <message>
        <source>Количество калачей:</source>
        <translation>Number of U-bends:</translation>
    </message>
    <message>
        <source>Количество соединителей:</source>
        <translation>Number of connectors:</translation>
    </message>
    <message>
        <source>Номер коллектора:</source>
        <translation>Manifold number:</translation>
    </message>
    <message>
        <source>Диаметр коллектора, мм:</source>
        <translation>Manifold diameter, mm:</translation>
    </message>
    <message>
        <source>Расчётные значения</source>
        <translation>Calculated values</translation>
    </message>
    <message>
        <source>Суммарная длина петли, м:</source>
        <translation>Total loop length, m:</translation>
    </message>
    <message>
        <source>Тепловая нагрузка на петлю, Вт:</source>
        <translation>Heat load of the loop, W:</translation>
    </message>
    <message>
        <source>Расход теплоносителя, кг/с:</source>
        <translation>Coolant flow rate, kg/s:</translation>
    </message>
    <message>
        <source>Скорость теплоносителя, м/с:</source>
        <translation>Coolant velocity, m/s:</translation>
    </message>
    <message>
        <source>Потери давления в петле, Па:</source>
        <translation>Pressure loss in the loop, Pa:</translation>
    </message>
    <message>
        <source>Принять</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Распределение между зонами </source>
        <translation>Distribution between zones </translation>
    </message>
    <message>
        <source>пропорциональное</source>
        <translation>proportional</translation>
    </message>
    <message>
        <source>отдельные петли КЗ</source>
        <translation>separate edge-zone loops</translation>
    </message>
    <message>
        <source>будет задано</source>
        <translation>to be specified</translation>
    </message>
    <message>
        <source>Зона</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>основная</source>
        <translation>main</translation>
    </message>
    <message>
        <source>краевая</source>
        <translation>edge</translation>
    </message>
    <message>
        <source>Длина трубы</source>
        <translation>Pipe length</translation>
    </message>
    <message>
        <source>основной зоны, м:</source>
        <translation>in the main zone, m:</translation>
    </message>
    <message>
        <source>краевой зоны, м:</source>
        <translation>in the edge zone, m:</translation>
    </message>
    <message>
        <source>Сообщение Korvex. Модуль KorvexDatabase</source>
        <translation>Korvex message. KorvexDatabase module</translation>
    </message>
    <message>
        <source>Диаметр коллектора не может быть равен 0!</source>
        <translation>The manifold diameter cannot be 0!</translation>
    </message>
</context>
<context>
    <name>KorvexCore::CEditorLists</name>
    <message>
        <source>Редактор базы данных</source>
        <translation>Database editor</translation>
    </message>
    <message>
        <source>Категория с таким именем уже существует!</source>
        <translation>A category with this name already exists!</translation>
    </message>
    <message>
        <source>Не удалось найти категорию %1!</source>
        <translation>Category %1 not found!</translation>
    </message>
    <message>
        <source>Подтверждаете удаление категории?</source>
        <translation>Delete this category?</translation>
    </message>
    <message>
        <source>Введите имя:</source>
        <translation>Enter the name:</translation>
    </message>
    <message>
        <source>Базу данных &quot;%1&quot; не удалось прочитать из файла:
%2
Редактор не открыт, чтобы неполные данные не были записаны поверх таблицы. Повторите попытку, когда файл станет доступен.</source>
        <translation>The database &quot;%1&quot; could not be read from the file:
%2
The editor has not been opened, so that incomplete data are not written over the table. Try again when the file is available.</translation>
    </message>
    <message>
        <source>Не удалось сохранить базу данных &quot;%1&quot;:
%2
Изменения остались в памяти программы; сохраните их ещё раз, когда причина будет устранена.</source>
        <translation>The database &quot;%1&quot; could not be saved:
%2
The changes are kept in the program&apos;s memory; save them again once the cause has been removed.</translation>
    </message>
    <message>
        <source>Название содержит символы, которые нельзя записать в базу данных (UTF-8).</source>
        <translation>The name contains characters that cannot be written to the database (UTF-8).</translation>
    </message>
    <message>
        <source>Название не может начинаться или заканчиваться пробелом: при чтении базы данных такие пробелы отбрасываются, и название изменилось бы.</source>
        <translation>A name cannot begin or end with a space: such spaces are dropped when the database is read, and the name would change.</translation>
    </message>
</context>
<context>
    <name>KorvexDeviceDINDatabase::CDINRedactorDialog</name>
    <message>
        <source>Диалоговое окно редактирования базы %1</source>
        <translation>Edit database %1</translation>
    </message>
    <message>
        <source>Тип прибора</source>
        <translation>Device type</translation>
    </message>
    <message>
        <source>Добавить</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Изменить</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Давление</source>
        <translation>Pressure</translation>
    </message>
    <message>
        <source>Расход ХВ</source>
        <translation>Cold water flow</translation>
    </message>
    <message>
        <source>Расход ГВ</source>
        <translation>Hot water flow</translation>
    </message>
    <message>
        <source>Принять</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Добавление нового прибора</source>
        <translation>Add device</translation>
    </message>
    <message>
        <source>Изменение типа прибора</source>
        <translation>Edit device type</translation>
    </message>
</context>
<context>
    <name>KorvexEmbrasureDatabase::CEmbrasureInputDialog</name>
    <message>
        <source>Тип:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Материал:</source>
        <translation>Material:</translation>
    </message>
    <message>
        <source>Стекло:</source>
        <translation>Glazing:</translation>
    </message>
    <message>
        <source>Принять</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>KorvexEmbrasureDatabase::CEmbrasureRedactorDialog</name>
    <message>
        <source>Диалоговое окно редактирования базы %1</source>
        <translation>Edit database %1</translation>
    </message>
    <message>
        <source>Тип проема</source>
        <translation>Opening type</translation>
    </message>
    <message>
        <source>Добавить</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Изменить</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Подтип</source>
        <translation>Subtype</translation>
    </message>
    <message>
        <source>D1, кг/м2 ч</source>
        <translation>D1, kg/m2 h</translation>
    </message>
    <message>
        <source>D2, кг/м2 ч</source>
        <translation>D2, kg/m2 h</translation>
    </message>
    <message>
        <source>D3, кг/м2 ч</source>
        <translation>D3, kg/m2 h</translation>
    </message>
    <message>
        <source>K высоты</source>
        <translation>Height K</translation>
    </message>
    <message>
        <source>K теплопередачи, Вт/м2 К</source>
        <translation>Heat transfer K, W/m2 K</translation>
    </message>
    <message>
        <source>К высоты –  коэффициент к высоте здания для  определения добавочных теплопотерь</source>
        <translation>Height K – building height factor for the additional heat losses</translation>
    </message>
    <message>
        <source>D1 – воздухопроницаемость (1/Rв) для жилых и общественных зданий</source>
        <translation>D1 – air permeability (1/Ra) for residential and public buildings</translation>
    </message>
    <message>
        <source>D2 – воздухопроницаемость (1/Rв) для производственных и сезонных  зданий</source>
        <translation>D2 – air permeability (1/Ra) for industrial and seasonal buildings</translation>
    </message>
    <message>
        <source>D3 – воздухопроницаемость (1/Rв) для производственных зданий с теплоизбытками</source>
        <translation>D3 – air permeability (1/Ra) for industrial buildings with surplus heat</translation>
    </message>
    <message>
        <source>Принять</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Добавление нового типа проема</source>
        <translation>Add opening</translation>
    </message>
    <message>
        <source>Добавление нового типа проемов</source>
        <translation>Add opening type</translation>
    </message>
    <message>
        <source>Изменение типа группы проемов</source>
        <translation>Edit opening type</translation>
    </message>
    <message>
        <source>Группа проемов с таким названием уже существует!</source>
        <translation>An opening type with this name already exists!</translation>
    </message>
    <message>
        <source>Не удалось найти группу проемов %1!</source>
        <translation>Opening type %1 not found!</translation>
    </message>
    <message>
        <source>Подтверждаете удаление группы проемов?</source>
        <translation>Delete this opening type?</translation>
    </message>
    <message>
        <source>Изменение проема</source>
        <translation>Edit opening</translation>
    </message>
    <message>
        <source>Проем с таким названием уже существует!</source>
        <translation>An opening with this name already exists!</translation>
    </message>
    <message>
        <source>Не удалось найти проем %1!</source>
        <translation>Opening %1 not found!</translation>
    </message>
    <message>
        <source>Подтверждаете удаление проема?</source>
        <translation>Delete this opening?</translation>
    </message>
    <message>
        <source>Тип, материал и заполнение проема не могут содержать двоеточие.</source>
        <translation>The type, frame material and filling of an opening cannot contain a colon.</translation>
    </message>
</context>
<context>
    <name>KorvexKmsDatabase::CKMSRedactorDialog</name>
    <message>
        <source>Диалоговое окно редактирования базы %1</source>
        <translation>Edit database %1</translation>
    </message>
    <message>
        <source>Категория</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>Добавить</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Изменить</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Диаметр условного прохода</source>
        <translation>Nominal diameter</translation>
    </message>
    <message>
        <source>Коэффициент местных сопротивлений</source>
        <translation>Local resistance coefficient</translation>
    </message>
    <message>
        <source>Комментарий</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>Для добавления эскиза элементу таблицы, необходимо нажать правую кнопку мыши,
на ячейке и в появившемся контекстном меню выбрать пункт &quot;Добавить эскиз&quot;.</source>
        <translation>To add a sketch to a table item, right-click the cell
and choose &quot;Add sketch&quot; in the context menu.</translation>
    </message>
    <message>
        <source>Добавить строку</source>
        <translation>Add row</translation>
    </message>
    <message>
        <source>Удалить строку</source>
        <translation>Delete row</translation>
    </message>
    <message>
        <source>Добавить эскиз</source>
        <translation>Add sketch</translation>
    </message>
    <message>
        <source>Удалить эскиз</source>
        <translation>Delete sketch</translation>
    </message>
    <message>
        <source>Принять</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Редактор базы данных</source>
        <translation>Database editor</translation>
    </message>
    <message>
        <source>Не удалось найти категорию %1!</source>
        <translation>Category %1 not found!</translation>
    </message>
    <message>
        <source>Файл %1 не удалось прочитать как рисунок. Эскиз не изменён.</source>
        <translation>The file %1 could not be read as an image. The sketch is unchanged.</translation>
    </message>
    <message>
        <source>Добавление новой подкатегории</source>
        <translation>Add subcategory</translation>
    </message>
    <message>
        <source>Изменение подкатегории</source>
        <translation>Edit subcategory</translation>
    </message>
    <message>
        <source>Добавление новой категории</source>
        <translation>Add category</translation>
    </message>
    <message>
        <source>Изменение категории</source>
        <translation>Edit category</translation>
    </message>
    <message>
        <source>Открыть эскиз</source>
        <translation>Open sketch</translation>
    </message>
    <message>
        <source>Графические Файлы (*.bmp)</source>
        <translation>Image files (*.bmp)</translation>
    </message>
</context>
<context>
    <name>KorvexMaterialDatabase::CLayerDialog</name>
    <message>
        <source>Параметры слоя</source>
        <translation>Layer parameters</translation>
    </message>
    <message>
        <source>Удельный вес:</source>
        <translation>Density:</translation>
    </message>
    <message>
        <source>Коэффициент теплопроводности слоя, Вт/м К:</source>
        <translation>Thermal conductivity of the layer, W/m K:</translation>
    </message>
    <message>
        <source>Толщина слоя, см:</source>
        <translation>Layer thickness, cm:</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Принять</source>
        <translation>Accept</translation>
    </message>
</context>
<context>
    <name>KorvexMaterialDatabase::CMaterialRedactorDialog</name>
    <message>
        <source>Диалоговое окно редактирования базы %1</source>
        <translation>Edit database %1</translation>
    </message>
    <message>
        <source>Группа</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>Добавить</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Изменить</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Материал</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>Удельный вес, кг/м3</source>
        <translation>Density, kg/m3</translation>
    </message>
    <message>
        <source>К теплопроводности, Вт/ м К</source>
        <translation>Thermal conductivity, W/m K</translation>
    </message>
    <message>
        <source>Принять</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Добавление новой группы материалов</source>
        <translation>Add material group</translation>
    </message>
    <message>
        <source>Изменение группы материалов</source>
        <translation>Edit material group</translation>
    </message>
    <message>
        <source>Группа материалов с таким названием с таким именем уже существует!</source>
        <translation>A material group with this name already exists!</translation>
    </message>
    <message>
        <source>Не удалось найти группу материалов %1!</source>
        <translation>Material group %1 not found!</translation>
    </message>
    <message>
        <source>Подтверждаете удаление группы материалов?</source>
        <translation>Delete this material group?</translation>
    </message>
    <message>
        <source>Добавление нового материала</source>
        <translation>Add material</translation>
    </message>
    <message>
        <source>Изменение материала</source>
        <translation>Edit material</translation>
    </message>
    <message>
        <source>Материал с таким названием с таким именем уже существует!</source>
        <translation>A material with this name already exists!</translation>
    </message>
    <message>
        <source>Не удалось найти материал %1!</source>
        <translation>Material %1 not found!</translation>
    </message>
    <message>
        <source>Подтверждаете удаление материала?</source>
        <translation>Delete this material?</translation>
    </message>
    <message>
        <source>Удельный вес не может содержать пробелы: при сохранении вес ищется в названии материала после последнего пробела, такой вес там не найдётся, и название росло бы при каждом сохранении.</source>
        <translation>The specific weight cannot contain blanks: the save looks for the weight after the last blank of the material&apos;s name, would not find such a weight there, and the name would grow at every save.</translation>
    </message>
</context>
<context>
    <name>KorvexPipeDatabase::CPipeRedactorDialog</name>
    <message>
        <source>Диалоговое окно редактирования базы %1</source>
        <translation>Edit database %1</translation>
    </message>
    <message>
        <source>Тип трубы</source>
        <translation>Pipe type</translation>
    </message>
    <message>
        <source>Добавить</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Изменить</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Наружный Ø</source>
        <translation>Outer Ø</translation>
    </message>
    <message>
        <source>Внутренний Ø</source>
        <translation>Inner Ø</translation>
    </message>
    <message>
        <source>Шероховатость</source>
        <translation>Roughness</translation>
    </message>
    <message>
        <source>λ стенок</source>
        <translation>Wall λ</translation>
    </message>
    <message>
        <source>Принять</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Добавление нового типа трубы</source>
        <translation>Add pipe type</translation>
    </message>
    <message>
        <source>Изменение типа трубы</source>
        <translation>Edit pipe type</translation>
    </message>
</context>
<context>
    <name>QApplication</name>
    <message>
        <source>Климатология</source>
        <translation>Climate data</translation>
    </message>
    <message>
        <source>Потребители</source>
        <translation>Water consumers</translation>
    </message>
    <message>
        <source>Теплоносители</source>
        <translation>Coolants</translation>
    </message>
    <message>
        <source>Ошибка открытия базы данных!</source>
        <translation>Error opening the database!</translation>
    </message>
    <message>
        <source>Не удалось открыть соединение с базой SQLite.
Возможно, отсутствует необходимый драйвер!</source>
        <translation>Could not open the connection to the SQLite database.
The required driver may be missing!</translation>
    </message>
    <message>
        <source>Приборы_по_DIN</source>
        <translation>DIN devices</translation>
    </message>
    <message>
        <source>Проемы</source>
        <translation>Openings</translation>
    </message>
    <message>
        <source>КМС</source>
        <translation>Local resistances</translation>
    </message>
    <message>
        <source>Используются только материалы с λ &lt; %1</source>
        <translation>Only materials with λ &lt; %1 are used</translation>
    </message>
    <message>
        <source>Материалы</source>
        <translation>Materials</translation>
    </message>
    <message>
        <source>Трубы</source>
        <translation>Pipes</translation>
    </message>
</context>
</TS>
