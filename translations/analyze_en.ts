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
    <message>
        <source>Подкритерии выбранного критерия</source>
        <translation>Sub-criteria of the selected criterion</translation>
    </message>
    <message>
        <source>Веса критериев</source>
        <translation>Criteria weights</translation>
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
        <translation>    %1 : %2 — is %3 now; %4 would fit better, and the consistency ratio would then be %5</translation>
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
    <message>
        <source>Не удалось записать результаты «%1»: %2</source>
        <translation>Could not write the results “%1”: %2</translation>
    </message>
    <message>
        <source>Записать результаты решения из ФАЙЛА в таблицу: книгу .xlsx или файл .csv (по расширению).</source>
        <translation>Write the results of the decision in FILE to a spreadsheet: an .xlsx workbook or a .csv file (by the extension).</translation>
    </message>
    <message>
        <source>OUT.xlsx|OUT.csv</source>
        <translation>OUT.xlsx|OUT.csv</translation>
    </message>
    <message>
        <source>Можно указать только одну из команд --results, --report, --export и --merge</source>
        <translation>Only one of the commands --results, --report, --export and --merge may be given</translation>
    </message>
    <message>
        <source>Таблица результатов пишется в файл .xlsx или .csv, а указано «%1»</source>
        <translation>The results table is written to an .xlsx or a .csv file, but “%1” was given</translation>
    </message>
</context>
<context>
    <name>CriteriaMatrixBar</name>
    <message>
        <source>Критерии верхнего уровня</source>
        <translation>Top-level criteria</translation>
    </message>
    <message>
        <source>Подкритерии критерия:</source>
        <translation>Sub-criteria of:</translation>
    </message>
    <message>
        <source>Предыдущая матрица критериев</source>
        <translation>Previous criteria matrix</translation>
    </message>
    <message>
        <source>Следующая матрица критериев</source>
        <translation>Next criteria matrix</translation>
    </message>
    <message>
        <source>Критерий, подкритерии которого сравниваются</source>
        <translation>Criterion whose sub-criteria are compared</translation>
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
    <message>
        <source>подкритерии «%1»</source>
        <translation>sub-criteria of “%1”</translation>
    </message>
    <message>
        <source>название подкритерия «%1»</source>
        <translation>name of sub-criterion “%1”</translation>
    </message>
    <message>
        <source>пропуски сравнений</source>
        <translation>missing judgements</translation>
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
    <message>
        <source>Он пуст</source>
        <translation>It is empty</translation>
    </message>
    <message>
        <source>Это не текст UTF-8 и потому не файл решения</source>
        <translation>It is not UTF-8 text, so it is not a decision file</translation>
    </message>
    <message>
        <source>Он повреждён: ошибка JSON на позиции %1 (%2)</source>
        <translation>It is damaged: JSON error at position %1 (%2)</translation>
    </message>
    <message>
        <source>Он записан более новой программой (версия %1), а эта читает версии до %2</source>
        <translation>It was written by a newer program (version %1); this one reads versions up to %2</translation>
    </message>
    <message>
        <source>матрица подкритериев «%1»</source>
        <translation>sub-criteria matrix “%1”</translation>
    </message>
    <message>
        <source>критерий %1 («%2»)</source>
        <translation>criterion %1 (“%2”)</translation>
    </message>
    <message>
        <source>%1: уровней критериев больше %2</source>
        <translation>%1: more than %2 levels of criteria</translation>
    </message>
    <message>
        <source>%1: подкритериев %2, а должно быть от %3 до %4</source>
        <translation>%1: %2 sub-criteria, but there must be %3 to %4</translation>
    </message>
    <message>
        <source>Матриц альтернатив %1, а должно быть %2: по одной на критерий без подкритериев</source>
        <translation>%1 alternatives matrices, but there must be %2: one for each criterion without sub-criteria</translation>
    </message>
    <message>
        <source>Критериев без подкритериев %1, а должно быть не больше %2</source>
        <translation>%1 criteria without sub-criteria, but there may be at most %2</translation>
    </message>
    <message>
        <source>%1: не является ни строкой, ни объектом</source>
        <translation>%1: neither a string nor an object</translation>
    </message>
    <message>
        <source>Подкритерии есть только в файлах версии 2, а в этом файле версии %1 критерий %2 — объект</source>
        <translation>Only files of version 2 have sub-criteria, but in this file of version %1 criterion %2 is an object</translation>
    </message>
    <message>
        <source>%1: нет названия («name»)</source>
        <translation>%1: no name (“name”)</translation>
    </message>
    <message>
        <source>%1: название («name») не является строкой</source>
        <translation>%1: the name (“name”) is not a string</translation>
    </message>
    <message>
        <source>%1: нет подкритериев («criteria»)</source>
        <translation>%1: no sub-criteria (“criteria”)</translation>
    </message>
    <message>
        <source>%1: «criteria» должен быть массивом</source>
        <translation>%1: “criteria” must be an array</translation>
    </message>
    <message>
        <source>%1: нет матрицы подкритериев («criteriaJudgements»)</source>
        <translation>%1: no sub-criteria matrix (“criteriaJudgements”)</translation>
    </message>
    <message>
        <source>«allowMissing» должен быть true или false</source>
        <translation>“allowMissing” must be true or false</translation>
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
        <source>Сохранить &amp;как…</source>
        <translation>Save &amp;As…</translation>
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
    <message>
        <source>Сохранить изменения в «%1»?</source>
        <translation>Save the changes to “%1”?</translation>
    </message>
    <message>
        <source>Объединить решения группы: выберите файлы решений участников, не меньше двух</source>
        <translation>Merge a Group’s Decisions: choose the members’ decision files, two or more</translation>
    </message>
    <message>
        <source>Со&amp;хранить</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Объ&amp;единить решения группы…</source>
        <translation>&amp;Merge a Group’s Decisions…</translation>
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
    <message>
        <source>&amp;Разрешить пропуски сравнений</source>
        <translation>Allow &amp;missing judgements</translation>
    </message>
</context>
<context>
    <name>ExportActions</name>
    <message>
        <source>П&amp;редварительный просмотр…</source>
        <translation>Print Pre&amp;view…</translation>
    </message>
    <message>
        <source>&amp;Экспорт в PDF…</source>
        <translation>Export to P&amp;DF…</translation>
    </message>
    <message>
        <source>Экспорт ре&amp;зультатов…</source>
        <translation>&amp;Export Results…</translation>
    </message>
    <message>
        <source>Решение</source>
        <translation>Decision</translation>
    </message>
    <message>
        <source>Экспорт в PDF</source>
        <translation>Export to PDF</translation>
    </message>
    <message>
        <source>Документы PDF (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
    <message>
        <source>Записан файл «%1»</source>
        <translation>Written: “%1”</translation>
    </message>
    <message>
        <source>Результаты не вычислены. %1</source>
        <translation>The results are not computed. %1</translation>
    </message>
    <message>
        <source>Экспорт результатов</source>
        <translation>Export Results</translation>
    </message>
    <message>
        <source>Книги Excel (*.xlsx)</source>
        <translation>Excel workbooks (*.xlsx)</translation>
    </message>
    <message>
        <source>Таблицы CSV (*.csv)</source>
        <translation>CSV tables (*.csv)</translation>
    </message>
    <message>
        <source>Не удалось записать результаты «%1»: %2</source>
        <translation>Could not write the results “%1”: %2</translation>
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
    <message>
        <source>у критерия %1 подкритериев %2 вместо %3</source>
        <translation>criterion %1 has %2 sub-criteria instead of %3</translation>
    </message>
    <message>
        <source>подкритерий %1: «%2» вместо «%3»</source>
        <translation>sub-criterion %1: “%2” instead of “%3”</translation>
    </message>
    <message>
        <source>Файл «%1»: другие подкритерии, чем в «%2»: %3</source>
        <translation>File “%1”: other sub-criteria than in “%2”: %3</translation>
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
        <source>«%1» и «%2» равноценны по критерию «%4» (%3)</source>
        <translation>“%1” and “%2” are equal under the criterion “%4” (%3)</translation>
    </message>
    <message>
        <source>равная важность</source>
        <translation>equal importance</translation>
    </message>
    <message>
        <source>немного</source>
        <translation>slightly</translation>
    </message>
    <message>
        <source>умеренно</source>
        <translation>moderately</translation>
    </message>
    <message>
        <source>от умеренно до существенно</source>
        <translation>moderately to strongly</translation>
    </message>
    <message>
        <source>существенно</source>
        <translation>strongly</translation>
    </message>
    <message>
        <source>от существенно до значительно</source>
        <translation>strongly to very strongly</translation>
    </message>
    <message>
        <source>значительно</source>
        <translation>very strongly</translation>
    </message>
    <message>
        <source>от значительно до очень сильно</source>
        <translation>very strongly to extremely</translation>
    </message>
    <message>
        <source>очень сильно</source>
        <translation>extremely</translation>
    </message>
    <message>
        <source>«%1» и «%2» — %3 (%4)</source>
        <translation>“%1” and “%2” are of %3 (%4)</translation>
    </message>
    <message>
        <source>«%1» %3 важнее, чем «%2» (%4)</source>
        <translation>“%1” is %3 more important than “%2” (%4)</translation>
    </message>
    <message>
        <source>«%1» %3 предпочтительнее, чем «%2», по критерию «%5» (%4)</source>
        <translation>“%1” is %3 preferred to “%2” under the criterion “%5” (%4)</translation>
    </message>
    <message>
        <source>«%1» и «%2» — %3 в группе «%5» (%4)</source>
        <translation>“%1” and “%2” are of %3 in the group “%5” (%4)</translation>
    </message>
    <message>
        <source>«%1» %3 важнее, чем «%2», в группе «%5» (%4)</source>
        <translation>“%1” is %3 more important than “%2” in the group “%5” (%4)</translation>
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
    <message>
        <source>не задано; по остальным сравнениям ≈ %1</source>
        <translation>not given; from the other judgements ≈ %1</translation>
    </message>
    <message>
        <source>«%1» и «%2» в группе «%3»: не задано; по остальным сравнениям ≈ %4</source>
        <translation>“%1” and “%2” in the group “%3”: not given; from the other judgements ≈ %4</translation>
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
    <name>MainFrame</name>
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
</context>
<context>
    <name>MissingJudgements</name>
    <message>
        <source>Недостаточно сравнений: ни одна цепочка сравнений не связывает «%1» с %2</source>
        <translation>Too few judgements: no chain of judgements links “%1” with %2</translation>
    </message>
    <message>
        <source>«%1»</source>
        <translation>“%1”</translation>
    </message>
</context>
<context>
    <name>MissingPairsView</name>
    <message numerus="yes">
        <source>задано %1 из %n сравнения</source>
        <translation>
            <numerusform>%1 of %n judgement given</numerusform>
            <numerusform>%1 of %n judgements given</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>задано %1 из %n сравнений</source>
        <translation>
            <numerusform>%1 of %n judgement given</numerusform>
            <numerusform>%1 of %n judgements given</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NameDisplays</name>
    <message>
        <source>Ранжирование альтернатив</source>
        <translation>Ranking of the alternatives</translation>
    </message>
    <message>
        <source>Веса критериев</source>
        <translation>Criterion weights</translation>
    </message>
</context>
<context>
    <name>NameLegend</name>
    <message>
        <source>Обозначения альтернатив</source>
        <translation>Alternatives&apos; letters</translation>
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
    <name>ProgramModule</name>
    <message>
        <source>не найден модуль %1</source>
        <translation>the module %1 is missing</translation>
    </message>
    <message>
        <source>в модуле %1 нет %2</source>
        <translation>the module %1 has no %2</translation>
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
    <name>RankingBars</name>
    <message>
        <source>лучшая</source>
        <translation>best</translation>
    </message>
    <message>
        <source>%1. %2 — %3</source>
        <translation>%1. %2 — %3</translation>
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
        <translation>Summary: </translation>
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
    <message>
        <source>Веса критериев:</source>
        <translation>Weights of the criteria:</translation>
    </message>
    <message>
        <source>Таблица относительной важности подкритериев «%1»</source>
        <translation>Relative importance of the sub-criteria of “%1”</translation>
    </message>
</context>
<context>
    <name>ResultsExportText</name>
    <message>
        <source>Альтернатива</source>
        <translation>Alternative</translation>
    </message>
    <message>
        <source>Глобальный приоритет</source>
        <translation>Global priority</translation>
    </message>
    <message>
        <source>Место</source>
        <translation>Rank</translation>
    </message>
    <message>
        <source>Вес</source>
        <translation>Weight</translation>
    </message>
    <message>
        <source>Индекс согласованности (ИС)</source>
        <translation>Consistency index (CI)</translation>
    </message>
    <message>
        <source>Случайный индекс (СИ)</source>
        <translation>Random index (RI)</translation>
    </message>
    <message>
        <source>Отношение согласованности (ОС)</source>
        <translation>Consistency ratio (CR)</translation>
    </message>
    <message>
        <source>книга не собрана (%1)</source>
        <translation>the workbook was not put together (%1)</translation>
    </message>
    <message>
        <source>нет временной папки (%1)</source>
        <translation>no temporary folder (%1)</translation>
    </message>
    <message>
        <source>книга не собрана</source>
        <translation>the workbook was not put together</translation>
    </message>
    <message>
        <source>Результаты</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Веса критериев</source>
        <translation>Criterion weights</translation>
    </message>
    <message>
        <source>Критерий</source>
        <translation>Criterion</translation>
    </message>
    <message>
        <source>Матрица критериев</source>
        <translation>Criteria matrix</translation>
    </message>
    <message>
        <source>Сравнение критериев</source>
        <translation>Comparison of the criteria</translation>
    </message>
    <message>
        <source>Критерий %1</source>
        <translation>Criterion %1</translation>
    </message>
    <message>
        <source>Сравнение альтернатив по критерию «%1»</source>
        <translation>Comparison of the alternatives by the criterion “%1”</translation>
    </message>
    <message>
        <source>таблица пишется в файл .xlsx или .csv</source>
        <translation>the table is written to an .xlsx or a .csv file</translation>
    </message>
    <message>
        <source>Критерий нижнего уровня</source>
        <translation>Lowest-level criterion</translation>
    </message>
    <message>
        <source>Подкритерии %1</source>
        <translation>Sub-criteria %1</translation>
    </message>
    <message>
        <source>Сравнение подкритериев «%1»</source>
        <translation>Comparison of the sub-criteria of “%1”</translation>
    </message>
</context>
<context>
    <name>RevisionPanel</name>
    <message>
        <source>Пока не заполнено: %1 над %2</source>
        <translation>Not filled in yet: %1 compared with %2</translation>
    </message>
    <message>
        <source>Не читается: %1 над %2 — %3</source>
        <translation>Unreadable: %1 compared with %2 — %3</translation>
    </message>
    <message>
        <source>сейчас %1</source>
        <translation>is %1 now</translation>
    </message>
    <message>
        <source>подходит %1</source>
        <translation>%1 would fit better</translation>
    </message>
    <message>
        <source>Согласуется с остальными: %1</source>
        <translation>Consistent with the rest: %1</translation>
    </message>
    <message>
        <source>ОС станет %1</source>
        <translation>consistency ratio then %1</translation>
    </message>
    <message>
        <source>Поставить %1</source>
        <translation>Set %1</translation>
    </message>
    <message>
        <source>Противоречивых троек нет.</source>
        <translation>No intransitive triples.</translation>
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
        <translation>Intransitive triples (%1): %2.</translation>
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
    <message>
        <source>значение не читается как число или дробь</source>
        <translation>the value is neither a number nor a fraction</translation>
    </message>
    <message>
        <source>значение не больше нуля</source>
        <translation>the value is not above zero</translation>
    </message>
    <message>
        <source>значение меньше 1/9, вне шкалы</source>
        <translation>the value is below 1/9, off the scale</translation>
    </message>
    <message>
        <source>значение больше 9, вне шкалы</source>
        <translation>the value is above 9, off the scale</translation>
    </message>
    <message>
        <source>Отношение согласованности (ОС) %1 больше допустимого. Пересмотрите в первую очередь:</source>
        <translation>Consistency ratio (CR) %1 is above the limit. Revise these first:</translation>
    </message>
    <message>
        <source>Отношение согласованности (ОС) %1: суждения согласованы, но можно улучшить:</source>
        <translation>Consistency ratio (CR) %1: the judgements are consistent, but could be improved:</translation>
    </message>
    <message>
        <source>Отношение согласованности (ОС) %1: матрица согласована, пересматривать нечего.</source>
        <translation>Consistency ratio (CR) %1: the matrix is consistent, nothing to revise.</translation>
    </message>
    <message>
        <source>Перейти к этой паре</source>
        <translation>Go to this pair</translation>
    </message>
    <message>
        <source>Следующим стоит сравнить %1 и %2</source>
        <translation>Worth comparing next: %1 and %2</translation>
    </message>
    <message>
        <source>Перейти к паре %1 : %2</source>
        <translation>Go to the pair %1 : %2</translation>
    </message>
    <message>
        <source>В группе %1 %2</source>
        <comment>%1: the criterion whose sub-criteria are compared; %2: a sentence begun in lower case</comment>
        <translation>In the group %1, %2</translation>
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
    <message>
        <source>Матрица подкритериев «%1»</source>
        <translation>Sub-criteria matrix “%1”</translation>
    </message>
</context>
<context>
    <name>SensitivityModule</name>
    <message>
        <source>Окно чувствительности не открыть: %1</source>
        <translation>The sensitivity window cannot be opened: %1</translation>
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
        <translation>Draws level</translation>
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
        <translation>The most sensitive criterion is %1: at a weight of %2 instead of %3, %4 draws level with the best alternative.</translation>
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
        <source>&amp;Экспорт в PDF…</source>
        <translation>Export to P&amp;DF…</translation>
    </message>
    <message>
        <source>Экспорт в PDF</source>
        <translation>Export to PDF</translation>
    </message>
    <message>
        <source>Документы PDF (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
    <message>
        <source>Вес критерия %1 «%2»</source>
        <translation>Weight of criterion %1, “%2”</translation>
    </message>
    <message>
        <source>&amp;Уровень:</source>
        <translation>&amp;Level:</translation>
    </message>
    <message>
        <source>Уровень критериев, чьи веса двигаются</source>
        <translation>Level of criteria whose weights move</translation>
    </message>
    <message>
        <source>Критерии верхнего уровня</source>
        <translation>Top-level criteria</translation>
    </message>
    <message>
        <source>Остальные критерии</source>
        <translation>Other criteria</translation>
    </message>
    <message>
        <source>Чувствительность решения: %1</source>
        <translation>Sensitivity of the decision: %1</translation>
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
    <message>
        <source>Не удалось запомнить размер окна: файл настроек «%1» недоступен для записи.</source>
        <translation>Could not remember the window size: the settings file “%1” cannot be written.</translation>
    </message>
    <message>
        <source>Не удалось запомнить размер окна: файл настроек «%1» повреждён.</source>
        <translation>Could not remember the window size: the settings file “%1” is damaged.</translation>
    </message>
</context>
<context>
    <name>SpreadsheetBook</name>
    <message>
        <source>модуль книг Excel не открыт: %1</source>
        <translation>the Excel workbook module cannot be opened: %1</translation>
    </message>
</context>
<context>
    <name>SubcriteriaDialog</name>
    <message>
        <source>Подкритерии «%1»</source>
        <translation>Sub-criteria of “%1”</translation>
    </message>
    <message>
        <source>Подкритерии критерия «%1» (от %2 до %3):</source>
        <translation>Sub-criteria of criterion “%1” (%2 to %3):</translation>
    </message>
    <message>
        <source>&amp;Добавить</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>&amp;Удалить</source>
        <translation>&amp;Remove</translation>
    </message>
    <message>
        <source>Убрать &amp;все</source>
        <translation>Remove a&amp;ll</translation>
    </message>
    <message>
        <source>Подкритерий %1</source>
        <translation>Sub-criterion %1</translation>
    </message>
    <message>
        <source>Подкритериев должно быть от %1 до %2</source>
        <translation>There must be %1 to %2 sub-criteria</translation>
    </message>
    <message>
        <source>Критериев может быть не больше %1 уровней</source>
        <translation>Criteria may have at most %1 levels</translation>
    </message>
    <message>
        <source>Критериев без подкритериев может быть не больше %1</source>
        <translation>There may be at most %1 criteria without sub-criteria</translation>
    </message>
    <message>
        <source>&amp;Подкритерии…</source>
        <translation>&amp;Sub-criteria…</translation>
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
        <translation>, “</translation>
    </message>
    <message>
        <source>&apos; или </source>
        <translation>” or </translation>
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
        <source></source>
        <translation>Rand&amp;om consistency:</translation>
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
        <translation>Local priority</translation>
    </message>
    <message>
        <source>Лок.приор.</source>
        <translation>Local priority</translation>
    </message>
    <message>
        <source>Глоб.приор.</source>
        <translation>Global priority</translation>
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
        <source>Критерий</source>
        <translation>Criterion</translation>
    </message>
    <message>
        <source>Вес</source>
        <translation>Weight</translation>
    </message>
    <message>
        <source>Курсивом — значения, вычисленные с оценками пропущенных сравнений.</source>
        <translation>Values in italics rest on estimates of missing judgements.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (in the %2)</translation>
    </message>
    <message>
        <source>Веса критериев: %1</source>
        <translation>Criterion weights: %1</translation>
    </message>
    <message>
        <source>Курсивом — значения, оценённые по остальным сравнениям.</source>
        <translation>Values in italics are estimated from the other judgements.</translation>
    </message>
    <message numerus="yes">
        <source>Задано %1 из %n сравнений.</source>
        <translation>
            <numerusform>%1 of %n judgement given.</numerusform>
            <numerusform>%1 of %n judgements given.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Задано %1 из %n сравнения.</source>
        <translation>
            <numerusform>%1 of %n judgement given.</numerusform>
            <numerusform>%1 of %n judgements given.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TRepForm</name>
    <message>
        <source>Случайная согласованность:</source>
        <translation>Random index (RI):</translation>
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
<context>
    <name>WizardPages</name>
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
        <source>По&amp;дкритерии…</source>
        <translation>S&amp;ub-criteria…</translation>
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
        <translation>Ran&amp;dom index (RI):</translation>
    </message>
    <message>
        <source>Вы&amp;числить приоритеты</source>
        <translation>Calculate &amp;priorities</translation>
    </message>
    <message>
        <source>Матрицы сравнения</source>
        <translation>Comparison matrices</translation>
    </message>
    <message>
        <source>Название кри&amp;терия:</source>
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
</context>
</TS>
