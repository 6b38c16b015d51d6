<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CConstructionDialog</name>
    <message>
        <source>Конструкция из слоёв</source>
        <translation>Layered construction</translation>
    </message>
    <message>
        <source>Материал</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>δ, см</source>
        <translation>δ, cm</translation>
    </message>
    <message>
        <source>λ, Вт/м К</source>
        <translation>λ, W/(m·K)</translation>
    </message>
    <message>
        <source>Добавить слой…</source>
        <translation>Add layer…</translation>
    </message>
    <message>
        <source>Показать слои</source>
        <translation>Show layers</translation>
    </message>
    <message>
        <source>Разрез и температура…</source>
        <translation>Section and temperature…</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Термическое сопротивление R = %1 м²·К/Вт</source>
        <translation>Thermal resistance R = %1 m²·K/W</translation>
    </message>
</context>
<context>
    <name>CHostWindow</name>
    <message>
        <source>Korvex — справочные базы</source>
        <translation>Korvex — reference databases</translation>
    </message>
    <message>
        <source>База</source>
        <translation>Database</translation>
    </message>
    <message>
        <source>Тип</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Записей</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>Просмотр…</source>
        <translation>View…</translation>
    </message>
    <message>
        <source>Редактор…</source>
        <translation>Editor…</translation>
    </message>
    <message>
        <source>Расчёты:</source>
        <translation>Calculations:</translation>
    </message>
    <message>
        <source>Расчёт петли…</source>
        <translation>Heating loop…</translation>
    </message>
    <message>
        <source>Конструкция из слоёв и её разрез…</source>
        <translation>Layered construction and its section…</translation>
    </message>
    <message>
        <source>Графики:</source>
        <translation>Plots:</translation>
    </message>
    <message>
        <source>Свойства теплоносителя…</source>
        <translation>Coolant properties…</translation>
    </message>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>У теплоносителя &quot;%1&quot; нет свойств при %2 °C.</source>
        <translation>Coolant &quot;%1&quot; has no properties at %2 °C.</translation>
    </message>
    <message>
        <source>Теплоноситель:</source>
        <translation>Coolant:</translation>
    </message>
    <message>
        <source>Свойства теплоносителя «%1»</source>
        <translation>Properties of coolant “%1”</translation>
    </message>
</context>
<context>
    <name>CLoopInputDialog</name>
    <message>
        <source>Расчёт петли: исходные данные</source>
        <translation>Heating loop: input data</translation>
    </message>
    <message>
        <source>свойства по умолчанию (c 4190, ρ 988, ν 0.556)</source>
        <translation>default properties (c 4190, ρ 988, ν 0.556)</translation>
    </message>
    <message>
        <source>Теплоноситель:</source>
        <translation>Coolant:</translation>
    </message>
    <message>
        <source>Средняя температура, °C:</source>
        <translation>Mean temperature, °C:</translation>
    </message>
    <message>
        <source>Перепад температур, K:</source>
        <translation>Temperature difference, K:</translation>
    </message>
    <message>
        <source>Тепловой поток основной зоны, Вт/м:</source>
        <translation>Heat flux of the main zone, W/m:</translation>
    </message>
    <message>
        <source>Внутренний диаметр трубы, мм:</source>
        <translation>Pipe inner diameter, mm:</translation>
    </message>
    <message>
        <source>Шероховатость трубы, мм:</source>
        <translation>Pipe roughness, mm:</translation>
    </message>
    <message>
        <source>Предельная длина петли, м:</source>
        <translation>Maximum loop length, m:</translation>
    </message>
    <message>
        <source>Тепловой поток краевой зоны, Вт/м:</source>
        <translation>Heat flux of the edge zone, W/m:</translation>
    </message>
    <message>
        <source>Числитель пропорции:</source>
        <translation>Split ratio numerator:</translation>
    </message>
    <message>
        <source>Знаменатель пропорции:</source>
        <translation>Split ratio denominator:</translation>
    </message>
    <message>
        <source>Восьмое значение (не используется):</source>
        <translation>Eighth value (not used):</translation>
    </message>
</context>
<context>
    <name>CSectionDialog</name>
    <message>
        <source>Разрез конструкции и температура</source>
        <translation>Construction section and temperature</translation>
    </message>
    <message>
        <source>Температура внутри:</source>
        <translation>Inside temperature:</translation>
    </message>
    <message>
        <source>задать вручную</source>
        <translation>enter manually</translation>
    </message>
    <message>
        <source>Населённый пункт:</source>
        <translation>Settlement:</translation>
    </message>
    <message>
        <source>Температура снаружи:</source>
        <translation>Outside temperature:</translation>
    </message>
</context>
<context>
    <name>KorvexPlots</name>
    <message>
        <source>интерполяция библиотеки</source>
        <translation>library interpolation</translation>
    </message>
    <message>
        <source>значения таблицы</source>
        <translation>table values</translation>
    </message>
    <message>
        <source>Температура, °C</source>
        <translation>Temperature, °C</translation>
    </message>
    <message>
        <source>Плотность, кг/м³</source>
        <translation>Density, kg/m³</translation>
    </message>
    <message>
        <source>Теплоёмкость, Дж/(кг·К)</source>
        <translation>Specific heat capacity, J/(kg·K)</translation>
    </message>
    <message>
        <source>Кинематическая вязкость, м²/с × 10⁶</source>
        <translation>Kinematic viscosity, m²/s × 10⁶</translation>
    </message>
    <message>
        <source>Теплоноситель «%1»: %2 строк таблицы</source>
        <translation>Coolant “%1”: %2 table rows</translation>
    </message>
    <message>
        <source>У теплоносителя «%1» нет строк таблицы.</source>
        <translation>Coolant “%1” has no table rows.</translation>
    </message>
    <message>
        <source>%1: наиболее холодная пятидневка обеспеченностью 0,92</source>
        <translation>%1: coldest five-day period, probability 0.92</translation>
    </message>
    <message>
        <source>Разрез конструкции: R = %1 м²·К/Вт, внутри %2 °C, снаружи %3 °C</source>
        <translation>Construction section: R = %1 m²·K/W, inside %2 °C, outside %3 °C</translation>
    </message>
    <message>
        <source>Расстояние от внутренней поверхности, см</source>
        <translation>Distance from the inner surface, cm</translation>
    </message>
    <message>
        <source>температура</source>
        <translation>temperature</translation>
    </message>
    <message>
        <source>%1: %2 см, λ %3</source>
        <translation>%1: %2 cm, λ %3</translation>
    </message>
    <message>
        <source>Температура на поверхностях и границах слоёв изнутри наружу, °C: %1</source>
        <translation>Temperature at the surfaces and layer boundaries, inside to outside, °C: %1</translation>
    </message>
    <message>
        <source>R не является конечным числом больше 0: температуру в конструкции не найти.</source>
        <translation>R is not a finite number above 0: the temperature in the construction cannot be found.</translation>
    </message>
    <message>
        <source>Снаружи — %1.</source>
        <translation>Outside — %1.</translation>
    </message>
</context>
</TS>
