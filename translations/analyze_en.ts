<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>Accessibility</name>
    <message>
        <source>Пользователь</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Дата</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Количество критериев</source>
        <translation>Number of criteria</translation>
    </message>
    <message>
        <source>Изменить количество критериев, от 3 до 15</source>
        <translation>Change the number of criteria, 3 to 15</translation>
    </message>
    <message>
        <source>Количество альтернатив</source>
        <translation>Number of alternatives</translation>
    </message>
    <message>
        <source>Изменить количество альтернатив, от 3 до 10</source>
        <translation>Change the number of alternatives, 3 to 10</translation>
    </message>
    <message>
        <source>Печать страницы</source>
        <translation>Print the page</translation>
    </message>
    <message>
        <source>Критерии</source>
        <translation>Criteria</translation>
    </message>
    <message>
        <source>Название критерия</source>
        <translation>Criterion name</translation>
    </message>
    <message>
        <source>Альтернативы</source>
        <translation>Alternatives</translation>
    </message>
    <message>
        <source>Название альтернативы</source>
        <translation>Alternative name</translation>
    </message>
    <message>
        <source>Сравнение критериев</source>
        <translation>Comparison of the criteria</translation>
    </message>
    <message>
        <source>Локальные приоритеты альтернатив по критериям</source>
        <translation>Local priorities of the alternatives by criterion</translation>
    </message>
    <message>
        <source>Глобальные приоритеты альтернатив</source>
        <translation>Global priorities of the alternatives</translation>
    </message>
    <message>
        <source>Предыдущий критерий</source>
        <translation>Previous criterion</translation>
    </message>
    <message>
        <source>Следующий критерий</source>
        <translation>Next criterion</translation>
    </message>
    <message>
        <source>Суждение словами</source>
        <translation>Judgement in words</translation>
    </message>
    <message>
        <source>Строка состояния</source>
        <translation>Status line</translation>
    </message>
    <message>
        <source>Сравнение альтернатив по критерию «%1»</source>
        <translation>Comparison of the alternatives by the criterion “%1”</translation>
    </message>
    <message>
        <source>Отношение согласованности больше допустимого</source>
        <translation>Consistency ratio above the limit</translation>
    </message>
</context>
<context>
    <name>AnalysisSheet</name>
    <message>
        <source>%1: отношение согласованности %2</source>
        <translation>%1: consistency ratio %2</translation>
    </message>
    <message>
        <source>    %1 : %2 — сейчас %3, подходит %4, отношение согласованности станет %5</source>
        <translation>    %1 : %2 — now %3, fits %4, consistency ratio becomes %5</translation>
    </message>
    <message>
        <source>Ранжирование: %1</source>
        <translation>Ranking: %1</translation>
    </message>
    <message>
        <source>Все матрицы согласованы: пересматривать нечего.</source>
        <translation>All matrices are consistent: nothing to revise.</translation>
    </message>
    <message>
        <source>Что пересмотреть в несогласованных матрицах</source>
        <translation>What to revise in the inconsistent matrices</translation>
    </message>
    <message>
        <source>«%1»</source>
        <comment>a name in quotation marks</comment>
        <translation>“%1”</translation>
    </message>
</context>
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
    <name>CommandLine</name>
    <message>
        <source>Решение из «%1» не вычислено. %2</source>
        <translation>The decision in “%1” was not computed. %2</translation>
    </message>
    <message>
        <source>Не удалось записать отчёт «%1»: %2</source>
        <translation>Could not write the report “%1”: %2</translation>
    </message>
    <message>
        <source>Решения не объединены. %1</source>
        <translation>The decisions were not merged. %1</translation>
    </message>
    <message>
        <source>Анализ иерархий: выбор одной из альтернатив по нескольким критериям.
Без команд открывает окно (с файлом решения, если он назван).</source>
        <translation>Analytic Hierarchy Process: choosing one of the alternatives by several criteria.
Without a command it opens the window (with the decision file, if one is named).</translation>
    </message>
    <message>
        <source>Вывести вычисленное решение из ФАЙЛА в JSON на стандартный вывод.</source>
        <translation>Write the computed decision of FILE as JSON to standard output.</translation>
    </message>
    <message>
        <source>Записать отчёт страницы результата для ФАЙЛА в PDF.</source>
        <translation>Write the report of the result page for FILE as PDF.</translation>
    </message>
    <message>
        <source>OUT.pdf</source>
        <translation>OUT.pdf</translation>
    </message>
    <message>
        <source>Объединить решения группы из ФАЙЛОВ (геометрическое среднее суждений) в OUT.ahp.</source>
        <translation>Merge the decisions of a group from FILES (geometric mean of the judgements) into OUT.ahp.</translation>
    </message>
    <message>
        <source>OUT.ahp</source>
        <translation>OUT.ahp</translation>
    </message>
    <message>
        <source>ФАЙЛ</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>Файл решения (.ahp); для --merge два и больше.</source>
        <translation>A decision file (.ahp); two or more for --merge.</translation>
    </message>
    <message>
        <source>[ФАЙЛ…]</source>
        <translation>[FILE…]</translation>
    </message>
    <message>
        <source>Справка: analyze --help</source>
        <translation>Help: analyze --help</translation>
    </message>
    <message>
        <source>Можно указать только одну из команд --results, --report и --merge</source>
        <translation>Only one of the commands --results, --report and --merge may be given</translation>
    </message>
    <message>
        <source>Выходной файл можно указать только один раз</source>
        <translation>The output file may be given only once</translation>
    </message>
    <message>
        <source>Для --merge нужны два или больше файла решений</source>
        <translation>--merge needs two or more decision files</translation>
    </message>
    <message>
        <source>Нужен ровно один файл решения, а указано %1</source>
        <translation>Exactly one decision file is needed, but %1 were given</translation>
    </message>
    <message>
        <source>Окно открывает один файл решения, а указано %1</source>
        <translation>The window opens one decision file, but %1 were given</translation>
    </message>
    <message>
        <source>Не указан выходной файл</source>
        <translation>No output file was given</translation>
    </message>
    <message>
        <source>Окно не открывается из команды</source>
        <translation>The window is not opened from a command</translation>
    </message>
    <message>
        <source>Не удалось вывести результат: %1</source>
        <translation>Could not write the result: %1</translation>
    </message>
</context>
<context>
    <name>Decision</name>
    <message>
        <source>суждение «%1» : «%2»</source>
        <translation>judgement “%1” : “%2”</translation>
    </message>
    <message>
        <source>имя пользователя</source>
        <translation>user name</translation>
    </message>
    <message>
        <source>название критерия «%1»</source>
        <translation>name of criterion “%1”</translation>
    </message>
    <message>
        <source>название альтернативы «%1»</source>
        <translation>name of alternative “%1”</translation>
    </message>
    <message>
        <source>число критериев и альтернатив</source>
        <translation>numbers of criteria and alternatives</translation>
    </message>
    <message>
        <source>очистка матрицы критериев</source>
        <translation>emptying of the criteria matrix</translation>
    </message>
    <message>
        <source>решение группы</source>
        <translation>group decision</translation>
    </message>
</context>
<context>
    <name>DecisionFile</name>
    <message>
        <source>строка %1 («%2»), столбец %3 («%4»)</source>
        <translation>row %1 (“%2”), column %3 (“%4”)</translation>
    </message>
    <message>
        <source>матрица критериев, %1</source>
        <translation>criteria matrix, %1</translation>
    </message>
    <message>
        <source>матрица альтернатив для критерия %1 («%2»), %3</source>
        <translation>alternatives matrix for criterion %1 (“%2”), %3</translation>
    </message>
    <message>
        <source>матрица критериев</source>
        <translation>criteria matrix</translation>
    </message>
    <message>
        <source>матрица альтернатив для критерия %1 («%2»)</source>
        <translation>alternatives matrix for criterion %1 (“%2”)</translation>
    </message>
    <message>
        <source>Число критериев %1, а должно быть от %2 до %3</source>
        <translation>The number of criteria is %1, but must be from %2 to %3</translation>
    </message>
    <message>
        <source>Число альтернатив %1, а должно быть от %2 до %3</source>
        <translation>The number of alternatives is %1, but must be from %2 to %3</translation>
    </message>
    <message>
        <source>Матриц альтернатив %1, а должно быть %2: по одной на критерий</source>
        <translation>There are %1 alternatives matrices, but must be %2: one per criterion</translation>
    </message>
    <message>
        <source>%1: строк %2, а должно быть %3</source>
        <translation>%1: %2 rows, but must be %3</translation>
    </message>
    <message>
        <source>%1: в строке %2 ячеек %3, а должно быть %4</source>
        <translation>%1: row %2 has %3 cells, but must have %4</translation>
    </message>
    <message>
        <source>На диагонали должна стоять «1», а стоит «%1»: %2</source>
        <translation>The diagonal must hold “1”, but holds “%1”: %2</translation>
    </message>
    <message>
        <source>В файле нет члена «%1»</source>
        <translation>The file has no member “%1”</translation>
    </message>
    <message>
        <source>«%1» должен быть массивом строк</source>
        <translation>“%1” must be an array of strings</translation>
    </message>
    <message>
        <source>«%1»: %2 %3 не является строкой</source>
        <translation>“%1”: %2 %3 is not a string</translation>
    </message>
    <message>
        <source>%1 должна быть массивом строк</source>
        <translation>%1 must be an array of strings</translation>
    </message>
    <message>
        <source>%1: строка %2 должна быть массивом строк</source>
        <translation>%1: row %2 must be an array of strings</translation>
    </message>
    <message>
        <source>Ячейка не является строкой: %1</source>
        <translation>The cell is not a string: %1</translation>
    </message>
    <message>
        <source>Файл пуст</source>
        <translation>The file is empty</translation>
    </message>
    <message>
        <source>Файл не является текстом UTF-8: это не файл решения</source>
        <translation>The file is not UTF-8 text: it is not a decision file</translation>
    </message>
    <message>
        <source>Файл повреждён: ошибка JSON на позиции %1 (%2)</source>
        <translation>The file is damaged: JSON error at position %1 (%2)</translation>
    </message>
    <message>
        <source>Это не файл решения: ожидался объект JSON</source>
        <translation>This is not a decision file: a JSON object was expected</translation>
    </message>
    <message>
        <source>Это не файл решения: формат «%1» вместо «%2»</source>
        <translation>This is not a decision file: format “%1” instead of “%2”</translation>
    </message>
    <message>
        <source>Это не файл решения: нет члена «format» со значением «%1»</source>
        <translation>This is not a decision file: no member “format” with the value “%1”</translation>
    </message>
    <message>
        <source>Неверная версия файла: ожидалось целое число от 1</source>
        <translation>Invalid file version: a whole number from 1 was expected</translation>
    </message>
    <message>
        <source>Файл версии %1 записан более новой программой: эта читает версии до %2</source>
        <translation>The file of version %1 was written by a newer program: this one reads versions up to %2</translation>
    </message>
    <message>
        <source>«user» должен быть строкой</source>
        <translation>“user” must be a string</translation>
    </message>
    <message>
        <source>название</source>
        <translation>name</translation>
    </message>
    <message>
        <source>«alternativesJudgements» должен быть массивом матриц</source>
        <translation>“alternativesJudgements” must be an array of matrices</translation>
    </message>
    <message>
        <source>Файл «%1» не открыт. %2</source>
        <translation>The file “%1” was not opened. %2</translation>
    </message>
    <message>
        <source>Решение не сохранено в «%1»: %2</source>
        <translation>The decision was not saved to “%1”: %2</translation>
    </message>
    <message>
        <source>Решение не сохранено в «%1»: файл вышел бы больше %2 байт и не открылся бы снова</source>
        <translation>The decision was not saved to “%1”: the file would be larger than %2 bytes and would not open again</translation>
    </message>
    <message>
        <source>Не удалось записать файл «%1»: %2</source>
        <translation>Could not write the file “%1”: %2</translation>
    </message>
    <message>
        <source>%1: %2 (в ячейке «%3»)</source>
        <translation>%1: %2 (in the cell “%3”)</translation>
    </message>
    <message>
        <source>Такого файла нет</source>
        <translation>There is no such file</translation>
    </message>
    <message>
        <source>Не удалось открыть: %1</source>
        <translation>It could not be opened: %1</translation>
    </message>
    <message>
        <source>Это не обычный файл</source>
        <translation>It is not a regular file</translation>
    </message>
    <message>
        <source>Он слишком велик для файла решения (%1 байт, допустимо до %2)</source>
        <translation>It is too large for a decision file (%1 bytes, up to %2 allowed)</translation>
    </message>
    <message>
        <source>Не удалось прочитать: %1</source>
        <translation>It could not be read: %1</translation>
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
    <name>DocumentController</name>
    <message>
        <source>&amp;Файл</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Создать</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Открыть…</source>
        <translation>&amp;Open…</translation>
    </message>
    <message>
        <source>&amp;Сохранить</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Сохранить &amp;как…</source>
        <translation>Save &amp;As…</translation>
    </message>
    <message>
        <source>Объединить решения группы…</source>
        <translation>Merge a Group’s Decisions…</translation>
    </message>
    <message>
        <source>&amp;Печать…</source>
        <translation>&amp;Print…</translation>
    </message>
    <message>
        <source>&amp;Выход</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Без имени</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Сохранить изменения?</source>
        <translation>Save the changes?</translation>
    </message>
    <message>
        <source>Открыть решение</source>
        <translation>Open a Decision</translation>
    </message>
    <message>
        <source>Сохранить решение</source>
        <translation>Save the Decision</translation>
    </message>
    <message>
        <source>Решение сохранено в файл «%1»</source>
        <translation>The decision was saved to the file “%1”</translation>
    </message>
    <message>
        <source>Объединить решения группы</source>
        <translation>Merge a Group’s Decisions</translation>
    </message>
    <message>
        <source>Для объединения выберите не меньше двух файлов решений.</source>
        <translation>To merge, choose at least two decision files.</translation>
    </message>
    <message>
        <source>Сохранить решение группы</source>
        <translation>Save the Group’s Decision</translation>
    </message>
    <message>
        <source>Решение группы сохранено в файл «%1»</source>
        <translation>The group’s decision was saved to the file “%1”</translation>
    </message>
    <message>
        <source>Восстановление</source>
        <translation>Recovery</translation>
    </message>
    <message>
        <source>Файл изменён другой программой. Перезаписать?</source>
        <translation>The file was changed by another program. Overwrite it?</translation>
    </message>
    <message>
        <source>Сохранение</source>
        <translation>Saving</translation>
    </message>
    <message>
        <source>Сеанс «%1» закончился, не сохранив изменения; последнее изменение %2. Восстановить его?</source>
        <translation>The session “%1” ended without saving its changes; last changed %2. Restore it?</translation>
    </message>
</context>
<context>
    <name>EditMenu</name>
    <message>
        <source>П&amp;равка</source>
        <translation>Edi&amp;t</translation>
    </message>
    <message>
        <source>&amp;Отменить</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Отменить: %1</source>
        <translation>&amp;Undo %1</translation>
    </message>
    <message>
        <source>&amp;Повторить</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>&amp;Повторить: %1</source>
        <translation>&amp;Redo %1</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>Решения (*.ahp)</source>
        <translation>Decisions (*.ahp)</translation>
    </message>
</context>
<context>
    <name>GroupMerge</name>
    <message>
        <source>%1-е: «%2» вместо «%3»</source>
        <translation>no. %1: “%2” instead of “%3”</translation>
    </message>
    <message>
        <source>Для объединения нужно не меньше двух файлов решений</source>
        <translation>Merging needs at least two decision files</translation>
    </message>
    <message>
        <source>Файл «%1»: %2</source>
        <translation>File “%1”: %2</translation>
    </message>
    <message>
        <source>Файл «%1»: критериев %2, а в «%3» их %4</source>
        <translation>File “%1”: %2 criteria, but “%3” has %4</translation>
    </message>
    <message>
        <source>Файл «%1»: альтернатив %2, а в «%3» их %4</source>
        <translation>File “%1”: %2 alternatives, but “%3” has %4</translation>
    </message>
    <message>
        <source>Файл «%1»: другие критерии, чем в «%2»: %3</source>
        <translation>File “%1”: other criteria than in “%2”: %3</translation>
    </message>
    <message>
        <source>Файл «%1»: другие альтернативы, чем в «%2»: %3</source>
        <translation>File “%1”: other alternatives than in “%2”: %3</translation>
    </message>
    <message>
        <source>Файл «%1»: %2 («%3»): %4</source>
        <translation>File “%1”: %2 (“%3”): %4</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>Справк&amp;а</source>
        <translation>H&amp;elp</translation>
    </message>
    <message>
        <source>&amp;Содержание</source>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <source>&amp;О программе</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;%1&lt;/b&gt;, версия %2&lt;/p&gt;&lt;p&gt;Выбор лучшей из альтернатив по нескольким критериям методом анализа иерархий.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;%1&lt;/b&gt;, version %2&lt;/p&gt;&lt;p&gt;Choosing the best of the alternatives by several criteria with the Analytic Hierarchy Process.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Анализ иерархий</source>
        <translation>Analytic Hierarchy Process</translation>
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
    <name>JudgementWords</name>
    <message>
        <source>«%1» и «%2» — равная важность (%3)</source>
        <translation>“%1” and “%2” are equally important (%3)</translation>
    </message>
    <message>
        <source>«%1» немного важнее, чем «%2» (%3)</source>
        <translation>“%1” is slightly more important than “%2” (%3)</translation>
    </message>
    <message>
        <source>«%1» умеренно важнее, чем «%2» (%3)</source>
        <translation>“%1” is moderately more important than “%2” (%3)</translation>
    </message>
    <message>
        <source>«%1» от умеренно до существенно важнее, чем «%2» (%3)</source>
        <translation>“%1” is moderately to strongly more important than “%2” (%3)</translation>
    </message>
    <message>
        <source>«%1» существенно важнее, чем «%2» (%3)</source>
        <translation>“%1” is strongly more important than “%2” (%3)</translation>
    </message>
    <message>
        <source>«%1» от существенно до значительно важнее, чем «%2» (%3)</source>
        <translation>“%1” is strongly to very strongly more important than “%2” (%3)</translation>
    </message>
    <message>
        <source>«%1» значительно важнее, чем «%2» (%3)</source>
        <translation>“%1” is very strongly more important than “%2” (%3)</translation>
    </message>
    <message>
        <source>«%1» от значительно до очень сильно важнее, чем «%2» (%3)</source>
        <translation>“%1” is very strongly to extremely more important than “%2” (%3)</translation>
    </message>
    <message>
        <source>«%1» очень сильно важнее, чем «%2» (%3)</source>
        <translation>“%1” is extremely more important than “%2” (%3)</translation>
    </message>
    <message>
        <source>«%1» и «%2» равноценны по критерию «%4» (%3)</source>
        <translation>“%1” and “%2” are equal under the criterion “%4” (%3)</translation>
    </message>
    <message>
        <source>«%1» немного предпочтительнее, чем «%2», по критерию «%4» (%3)</source>
        <translation>“%1” is slightly preferred to “%2” under the criterion “%4” (%3)</translation>
    </message>
    <message>
        <source>«%1» умеренно предпочтительнее, чем «%2», по критерию «%4» (%3)</source>
        <translation>“%1” is moderately preferred to “%2” under the criterion “%4” (%3)</translation>
    </message>
    <message>
        <source>«%1» от умеренно до существенно предпочтительнее, чем «%2», по критерию «%4» (%3)</source>
        <translation>“%1” is moderately to strongly preferred to “%2” under the criterion “%4” (%3)</translation>
    </message>
    <message>
        <source>«%1» существенно предпочтительнее, чем «%2», по критерию «%4» (%3)</source>
        <translation>“%1” is strongly preferred to “%2” under the criterion “%4” (%3)</translation>
    </message>
    <message>
        <source>«%1» от существенно до значительно предпочтительнее, чем «%2», по критерию «%4» (%3)</source>
        <translation>“%1” is strongly to very strongly preferred to “%2” under the criterion “%4” (%3)</translation>
    </message>
    <message>
        <source>«%1» значительно предпочтительнее, чем «%2», по критерию «%4» (%3)</source>
        <translation>“%1” is very strongly preferred to “%2” under the criterion “%4” (%3)</translation>
    </message>
    <message>
        <source>«%1» от значительно до очень сильно предпочтительнее, чем «%2», по критерию «%4» (%3)</source>
        <translation>“%1” is very strongly to extremely preferred to “%2” under the criterion “%4” (%3)</translation>
    </message>
    <message>
        <source>«%1» очень сильно предпочтительнее, чем «%2», по критерию «%4» (%3)</source>
        <translation>“%1” is extremely preferred to “%2” under the criterion “%4” (%3)</translation>
    </message>
</context>
<context>
    <name>JudgementWordsLine</name>
    <message>
        <source>не заполнено</source>
        <translation>not filled in</translation>
    </message>
    <message>
        <source>«%1»</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>Приоритет %1: %2</source>
        <translation>Priority of %1: %2</translation>
    </message>
    <message>
        <source>%1 по сравнению с %2: %3</source>
        <translation>%1 compared with %2: %3</translation>
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
        <source>Не удалось начать печать: служба печати не запущена</source>
        <translation>Could not start printing: the print service is not running</translation>
    </message>
    <message>
        <source>Не удалось начать печать: принтер «%1» не принимает задания</source>
        <translation>Could not start printing: the printer “%1” does not accept jobs</translation>
    </message>
    <message>
        <source>Страница не напечатана: принтер «%1» не принял задание (%2)</source>
        <translation>The page was not printed: the printer “%1” did not take the job (%2)</translation>
    </message>
    <message>
        <source>Не удалось начать печать: нет места для временного файла</source>
        <translation>Could not start printing: no room for the temporary file</translation>
    </message>
    <message>
        <source>Страница не напечатана: лист не удалось записать целиком во временный файл</source>
        <translation>The page was not printed: the sheet could not be written whole to a temporary file</translation>
    </message>
    <message>
        <source>Не удалось записать файл «%1»: %2</source>
        <translation>Could not write the file “%1”: %2</translation>
    </message>
</context>
<context>
    <name>QtOptions</name>
    <message>
        <source>Стиль виджетов: fusion, windows и другие установленные.</source>
        <translation>Widget style: fusion, windows or another installed one.</translation>
    </message>
    <message>
        <source>Таблица стилей Qt из файла.</source>
        <translation>A Qt style sheet from a file.</translation>
    </message>
    <message>
        <source>Число виджетов, оставшихся при выходе (для отладки).</source>
        <translation>The number of widgets left at exit (debugging helper).</translation>
    </message>
    <message>
        <source>То же, что --qwindowgeometry.</source>
        <translation>The same as --qwindowgeometry.</translation>
    </message>
    <message>
        <source>То же, что --qwindowtitle.</source>
        <translation>The same as --qwindowtitle.</translation>
    </message>
    <message>
        <source>То же, что --qwindowicon.</source>
        <translation>The same as --qwindowicon.</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <source>Не удалось создать папку «%1» для копии сеанса.</source>
        <translation>Could not create the folder “%1” for the copy of the session.</translation>
    </message>
    <message>
        <source>Не удалось записать копию сеанса «%1».</source>
        <translation>Could not write the copy of the session “%1”.</translation>
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
    <name>RevisionPanel</name>
    <message>
        <source>Пока не заполнено: %1 над %2</source>
        <translation>Not filled in yet: %1 over %2</translation>
    </message>
    <message>
        <source>Не читается: %1 над %2 — %3</source>
        <translation>Unreadable: %1 over %2 — %3</translation>
    </message>
    <message>
        <source>Отношение согласованности %1 больше допустимого. Пересмотрите в первую очередь:</source>
        <translation>Consistency ratio %1 is above the limit. Revise these first:</translation>
    </message>
    <message>
        <source>Отношение согласованности %1: суждения согласованы, пересматривать нечего.</source>
        <translation>Consistency ratio %1: the judgements are consistent, nothing to revise.</translation>
    </message>
    <message>
        <source>Отношение согласованности %1: суждения согласованы. Точнее всего подошли бы:</source>
        <translation>Consistency ratio %1: the judgements are consistent. The closest fits:</translation>
    </message>
    <message>
        <source>сейчас %1</source>
        <translation>now %1</translation>
    </message>
    <message>
        <source>подходит %1</source>
        <translation>fits %1</translation>
    </message>
    <message>
        <source>Согласуется с остальными: %1</source>
        <translation>Consistent with the rest: %1</translation>
    </message>
    <message>
        <source>ОС станет %1</source>
        <translation>CR becomes %1</translation>
    </message>
    <message>
        <source>Поставить %1</source>
        <translation>Set %1</translation>
    </message>
    <message>
        <source>Противоречивых троек нет.</source>
        <translation>No contradictory triples.</translation>
    </message>
    <message>
        <source>%1 важнее %2, %2 важнее %3, но %3 важнее %1</source>
        <translation>%1 outweighs %2, %2 outweighs %3, but %3 outweighs %1</translation>
    </message>
    <message>
        <source>%1 предпочтительнее %2, %2 предпочтительнее %3, но %3 предпочтительнее %1</source>
        <translation>%1 preferred to %2, %2 to %3, but %3 to %1</translation>
    </message>
    <message>
        <source>Противоречивые тройки (%1): %2.</source>
        <translation>Contradictory triples (%1): %2.</translation>
    </message>
    <message>
        <source>«%1»</source>
        <comment>a name in quotation marks</comment>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>Противоречивые тройки</source>
        <translation>Intransitive triples</translation>
    </message>
    <message>
        <source>Поставить %1 для %2</source>
        <translation>Put %1 for %2</translation>
    </message>
</context>
<context>
    <name>SaveQuestion</name>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Не сохранять</source>
        <translation>Don’t Save</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>SensitivityData</name>
    <message>
        <source>Матрица относительной важности критериев</source>
        <translation>Matrix of the relative importance of the criteria</translation>
    </message>
    <message>
        <source>Матрица сравнения для критерия «%1»</source>
        <translation>Comparison matrix for the criterion “%1”</translation>
    </message>
</context>
<context>
    <name>SensitivityModule</name>
    <message>
        <source>Окно чувствительности не открыть: %1</source>
        <translation>The sensitivity window cannot be opened: %1</translation>
    </message>
    <message>
        <source>не найден модуль %1</source>
        <translation>the module %1 is missing</translation>
    </message>
</context>
<context>
    <name>SensitivityWindow</name>
    <message>
        <source>Чувствительность решения</source>
        <translation>Sensitivity of the decision</translation>
    </message>
    <message>
        <source>Ранжирование при этих весах</source>
        <translation>Ranking at these weights</translation>
    </message>
    <message>
        <source>При каком весе лучшая альтернатива меняется</source>
        <translation>At what weight the best alternative changes</translation>
    </message>
    <message>
        <source>&amp;Печать…</source>
        <translation>&amp;Print…</translation>
    </message>
    <message>
        <source>&amp;Закрыть</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Критерий</source>
        <translation>Criterion</translation>
    </message>
    <message>
        <source>Вес</source>
        <translation>Weight</translation>
    </message>
    <message>
        <source>Вес, при котором лучшая меняется</source>
        <translation>Weight at which the best changes</translation>
    </message>
    <message>
        <source>Догоняет</source>
        <translation>Catches up</translation>
    </message>
    <message>
        <source>Изменение, %</source>
        <translation>Change, %</translation>
    </message>
    <message>
        <source>Глобальные приоритеты и вклад критериев</source>
        <translation>Global priorities and criteria contributions</translation>
    </message>
    <message>
        <source>Веса критериев</source>
        <translation>Criteria weights</translation>
    </message>
    <message>
        <source>&amp;Вернуть расчётные веса</source>
        <translation>&amp;Restore computed weights</translation>
    </message>
    <message>
        <source>%1. %2 — %3 — %4</source>
        <translation>%1. %2 — %3 — %4</translation>
    </message>
    <message>
        <source>не меняется</source>
        <translation>does not change</translation>
    </message>
    <message>
        <source>Самый чувствительный критерий — %1: при весе %2 вместо %3 %4 догоняет лучшую альтернативу.</source>
        <translation>The most sensitive criterion is %1: at weight %2 instead of %3, %4 catches up with the best alternative.</translation>
    </message>
    <message>
        <source>Ни один вес не меняет лучшую альтернативу: выбор устойчив.</source>
        <translation>No weight changes the best alternative: the choice is stable.</translation>
    </message>
    <message>
        <source>«%1»</source>
        <comment>a name in quotation marks</comment>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>Диаграмма: глобальные приоритеты и вклад критериев</source>
        <translation>Chart: global priorities and the criteria&apos;s contributions</translation>
    </message>
    <message>
        <source>Вес критерия «%1»</source>
        <translation>Weight of the criterion “%1”</translation>
    </message>
    <message>
        <source>Вес критерия %1 «%2»</source>
        <translation>Weight of criterion %1, “%2”</translation>
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
    <message>
        <source>Не удалось сохранить список последних файлов: файл настроек «%1» недоступен для записи.</source>
        <translation>Could not save the list of recent files: the settings file “%1” cannot be written.</translation>
    </message>
    <message>
        <source>Не удалось сохранить список последних файлов: файл настроек «%1» повреждён.</source>
        <translation>Could not save the list of recent files: the settings file “%1” is damaged.</translation>
    </message>
    <message>
        <source>Файл настроек «%1» не прочитан: это не обычный файл или он больше 1 МБ. Имя пользователя не будет запомнено.</source>
        <translation>The settings file “%1” was not read: it is not a regular file or is larger than 1 MB. The user name will not be remembered.</translation>
    </message>
    <message>
        <source>Причина: %1.</source>
        <translation>Cause: %1.</translation>
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
    <name>SystemError</name>
    <message>
        <source>на диске нет места</source>
        <translation>no space left on the device</translation>
    </message>
    <message>
        <source>исчерпана дисковая квота</source>
        <translation>the disk quota is used up</translation>
    </message>
    <message>
        <source>файл слишком велик для этого диска</source>
        <translation>the file is too large for this disk</translation>
    </message>
    <message>
        <source>диск доступен только для чтения</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>нет прав доступа</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>операция не разрешена</source>
        <translation>the operation is not permitted</translation>
    </message>
    <message>
        <source>нет такого файла или папки</source>
        <translation>no such file or folder</translation>
    </message>
    <message>
        <source>часть пути не является папкой</source>
        <translation>a part of the path is not a folder</translation>
    </message>
    <message>
        <source>это папка</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>петля символических ссылок</source>
        <translation>a loop of symbolic links</translation>
    </message>
    <message>
        <source>слишком длинное имя</source>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>ошибка ввода-вывода</source>
        <translation>an input/output error</translation>
    </message>
    <message>
        <source>файл защищён от записи</source>
        <translation>the file is protected from writing</translation>
    </message>
    <message>
        <source>причина неизвестна</source>
        <translation>the cause is unknown</translation>
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
        <translation>Rand&amp;om consistency:</translation>
    </message>
    <message>
        <source>Матрицы сравнения</source>
        <translation>Comparison matrices</translation>
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
    <message>
        <source>&amp;Чувствительность…</source>
        <translation>&amp;Sensitivity…</translation>
    </message>
    <message>
        <source>Вы&amp;числить приоритеты</source>
        <translation>Calculate &amp;priorities</translation>
    </message>
    <message>
        <source>Название кри&amp;терия:</source>
        <translation>Criterion n&amp;ame:</translation>
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
