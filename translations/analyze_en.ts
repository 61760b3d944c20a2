<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>Application</name>
    <message>
        <source>Анализ иерархий</source>
        <translation>Analytic Hierarchy Process</translation>
    </message>
    <message>
        <source>Не удалось загрузить английский перевод из «%1»; программа продолжит работу на русском языке.</source>
        <translation>Could not load the English translation from “%1”; the program goes on in Russian.</translation>
    </message>
</context>
<context>
    <name>DecisionModel</name>
    <message>
        <source>Критерий %1</source>
        <translation>Criterion %1</translation>
    </message>
    <message>
        <source>Альтернатива   %1</source>
        <translation>Alternative %1</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Не удалось открыть файл справки «%1».</source>
        <translation>Could not open the help file “%1”.</translation>
    </message>
    <message>
        <source>ru</source>
        <translation>en</translation>
    </message>
</context>
<context>
    <name>Judgement</name>
    <message>
        <source>Ячейка должна быть заполнена</source>
        <translation>The cell must be filled in</translation>
    </message>
    <message>
        <source>Ячейка содержит неверное значение</source>
        <translation>The cell holds an invalid value</translation>
    </message>
    <message>
        <source>Значение ячейки должно быть больше 0.0</source>
        <translation>The cell value must be greater than 0.0</translation>
    </message>
    <message>
        <source>Значение ячейки не должно быть меньше 1/9</source>
        <translation>The cell value must not be less than 1/9</translation>
    </message>
    <message>
        <source>Значение ячейки не должно быть больше 9</source>
        <translation>The cell value must not be greater than 9</translation>
    </message>
</context>
<context>
    <name>KeyFilter</name>
    <message>
        <source>Допускается ввод только цифр и знака дроби &apos;/&apos;</source>
        <translation>Only digits and the fraction bar &apos;/&apos; may be typed</translation>
    </message>
    <message>
        <source>Допускается ввод только цифр и занака дроби &apos;/&apos;</source>
        <translation>Only digits and the fraction bar &apos;/&apos; may be typed</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>&amp;Язык / Language</source>
        <translation>Язык / &amp;Language</translation>
    </message>
</context>
<context>
    <name>PrintTarget</name>
    <message>
        <source>Не удалось начать печать: принтер не найден</source>
        <translation>Could not start printing: no printer found</translation>
    </message>
    <message>
        <source>Не удалось начать печать: принтер «%1» недоступен</source>
        <translation>Could not start printing: the printer “%1” is not available</translation>
    </message>
</context>
<context>
    <name>ReportPrinter</name>
    <message>
        <source>Страница будет распечатана</source>
        <translation>The page will be printed</translation>
    </message>
    <message>
        <source>Печать</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Названия критериев</source>
        <translation>Names of the criteria</translation>
    </message>
    <message>
        <source>№ критерия</source>
        <translation>Criterion no.</translation>
    </message>
    <message>
        <source>Название</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Таблица относительной важности критериев</source>
        <translation>Relative importance of the criteria</translation>
    </message>
    <message>
        <source>Матрица сравнения для критерия &apos;</source>
        <translation>Comparison matrix for the criterion &apos;</translation>
    </message>
    <message>
        <source>Таблица глобальных приоритетов и результат</source>
        <translation>Global priorities and the result</translation>
    </message>
    <message>
        <source>Резюме - </source>
        <translation>Summary - </translation>
    </message>
    <message>
        <source>Не удалось начать печать: принтер не готов или файл не записывается</source>
        <translation>Could not start printing: the printer is not ready or the file cannot be written</translation>
    </message>
    <message>
        <source>Не удалось завершить печать: страница не отправлена на принтер</source>
        <translation>Could not finish printing: the page was not sent to the printer</translation>
    </message>
    <message>
        <source>Не удалось начать печать: у принтера нет области печати</source>
        <translation>Could not start printing: the printer has no printable area</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Не удалось сохранить имя пользователя: файл настроек «%1» недоступен для записи.</source>
        <translation>Could not save the user name: the settings file “%1” cannot be written.</translation>
    </message>
    <message>
        <source>Не удалось сохранить имя пользователя: файл настроек «%1» повреждён.</source>
        <translation>Could not save the user name: the settings file “%1” is damaged.</translation>
    </message>
    <message>
        <source>Не удалось сохранить выбранный язык: файл настроек «%1» недоступен для записи.</source>
        <translation>Could not save the chosen language: the settings file “%1” cannot be written.</translation>
    </message>
    <message>
        <source>Не удалось сохранить выбранный язык: файл настроек «%1» повреждён.</source>
        <translation>Could not save the chosen language: the settings file “%1” is damaged.</translation>
    </message>
</context>
<context>
    <name>Synthesis</name>
    <message>
        <source>Для Вашей задачи наиболее оптимальна </source>
        <translation>For your problem the best choice is </translation>
    </message>
    <message>
        <source>альтернатива </source>
        <translation>alternative </translation>
    </message>
    <message>
        <source> -&apos;</source>
        <translation> -&apos;</translation>
    </message>
    <message>
        <source>&apos; или </source>
        <translation>&apos; or </translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Анализ иерархий</source>
        <translation>Analytic Hierarchy Process</translation>
    </message>
    <message>
        <source>Дипломный проект</source>
        <translation>Graduation project</translation>
    </message>
    <message>
        <source>Принятие решений при помощи метода анализа иерархий</source>
        <translation>Decision making by the Analytic Hierarchy Process</translation>
    </message>
    <message>
        <source>Система поддержки принятия решений</source>
        <translation>Decision support system</translation>
    </message>
    <message>
        <source>Пользователь:</source>
        <translation>User:</translation>
    </message>
    <message>
        <source>&amp;Дата:</source>
        <translation>&amp;Date:</translation>
    </message>
    <message>
        <source>Количество критериев:</source>
        <translation>Number of criteria:</translation>
    </message>
    <message>
        <source>(от 3 до 15)</source>
        <translation>(3 to 15)</translation>
    </message>
    <message>
        <source>Количество альтернатив:</source>
        <translation>Number of alternatives:</translation>
    </message>
    <message>
        <source>(от 3 до 10)</source>
        <translation>(3 to 10)</translation>
    </message>
    <message>
        <source>Альтернативы и критерии</source>
        <translation>Alternatives and criteria</translation>
    </message>
    <message>
        <source>Окно критериев</source>
        <translation>Criteria</translation>
    </message>
    <message>
        <source>&amp;Критерии</source>
        <translation>C&amp;riteria list</translation>
    </message>
    <message>
        <source>Название критерия</source>
        <translation>Criterion name</translation>
    </message>
    <message>
        <source>Окно альтернатив</source>
        <translation>Alternatives</translation>
    </message>
    <message>
        <source>Альтернативы</source>
        <translation>Alternatives list</translation>
    </message>
    <message>
        <source>Название альтернативы</source>
        <translation>Alternative name</translation>
    </message>
    <message>
        <source>Локальные приоритеты</source>
        <translation>Local priorities</translation>
    </message>
    <message>
        <source>&amp;Отношение согласованности:</source>
        <translation>Consistency &amp;ratio:</translation>
    </message>
    <message>
        <source>&amp;Индекс согласованности:</source>
        <translation>Consistency &amp;index:</translation>
    </message>
    <message>
        <source>&amp;Случайная согласованность:</source>
        <translation>Random consis&amp;tency:</translation>
    </message>
    <message>
        <source>Вычислить &amp;приоритеты</source>
        <translation>Calculate &amp;priorities</translation>
    </message>
    <message>
        <source>Матрицы сравнения</source>
        <translation>Comparison matrices</translation>
    </message>
    <message>
        <source>Н&amp;азвание критерия:</source>
        <translation>Criterion n&amp;ame:</translation>
    </message>
    <message>
        <source>Глобальный приоритет</source>
        <translation>Global priority</translation>
    </message>
    <message>
        <source> Глобальные приоритеты </source>
        <translation> Global priorities </translation>
    </message>
    <message>
        <source>С&amp;правка</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Назад</source>
        <translation>&amp;Back</translation>
    </message>
    <message>
        <source>&amp;Вперед</source>
        <translation>&amp;Next</translation>
    </message>
    <message>
        <source>&amp;Закрыть</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Отношение согласованности превышает допустимое значение!</source>
        <translation>The consistency ratio exceeds the acceptable value!</translation>
    </message>
    <message>
        <source>Отношение согласованности больше 0.27(9)</source>
        <translation>The consistency ratio is greater than 0.27(9)</translation>
    </message>
    <message>
        <source>Критерии</source>
        <translation>Criteria</translation>
    </message>
    <message>
        <source>Приоритет</source>
        <translation>Priority</translation>
    </message>
    <message>
        <source>Лок.приоритет</source>
        <translation>Loc.priority</translation>
    </message>
    <message>
        <source>Лок.приор.</source>
        <translation>Loc.prior.</translation>
    </message>
    <message>
        <source>Глоб.приор.</source>
        <translation>Glob.prior.</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Value</translation>
    </message>
</context>
<context>
    <name>TRepForm</name>
    <message>
        <source>Случайная согласованность:</source>
        <translation>Random consistency:</translation>
    </message>
    <message>
        <source>Индекс согласованности:</source>
        <translation>Consistency index:</translation>
    </message>
    <message>
        <source>Отношение согласованности:</source>
        <translation>Consistency ratio:</translation>
    </message>
    <message>
        <source>Система поддержки принятия решений</source>
        <translation>Decision support system</translation>
    </message>
    <message>
        <source>&quot;Принятие решений при помощи метода анализа иерархий&quot;</source>
        <translation>&quot;Decision making by the Analytic Hierarchy Process&quot;</translation>
    </message>
    <message>
        <source>Глобальные приоритеты</source>
        <translation>Global priorities</translation>
    </message>
</context>
</TS>
