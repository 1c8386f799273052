<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>frmMain</name>
    <message>
        <source>Bytes</source>
        <comment>unit option button</comment>
        <translation>Байт</translation>
    </message>
    <message>
        <source>Kilobytes</source>
        <comment>unit option button</comment>
        <translation>Килобайт</translation>
    </message>
    <message>
        <source>Megabytes</source>
        <comment>unit option button</comment>
        <translation>Мегабайт</translation>
    </message>
    <message>
        <source>Gigabytes</source>
        <comment>unit option button</comment>
        <translation>Гигабайт</translation>
    </message>
    <message>
        <source>Terabytes</source>
        <comment>unit option button</comment>
        <translation>Терабайт</translation>
    </message>
    <message>
        <source>Petabytes</source>
        <comment>unit option button</comment>
        <translation>Петабайт</translation>
    </message>
    <message>
        <source>Exabytes</source>
        <comment>unit option button</comment>
        <translation>Эксабайт</translation>
    </message>
    <message>
        <source>Bytes</source>
        <comment>result label</comment>
        <translation>Байт</translation>
    </message>
    <message>
        <source>Kilobytes</source>
        <comment>result label</comment>
        <translation>Кбайт</translation>
    </message>
    <message>
        <source>Megabytes</source>
        <comment>result label</comment>
        <translation>Мбайт</translation>
    </message>
    <message>
        <source>Gigabytes</source>
        <comment>result label</comment>
        <translation>Гбайт</translation>
    </message>
    <message>
        <source>Terabytes</source>
        <comment>result label</comment>
        <translation>Тбайт</translation>
    </message>
    <message>
        <source>Petabytes</source>
        <comment>result label</comment>
        <translation>Пбайт</translation>
    </message>
    <message>
        <source>Exabytes</source>
        <comment>result label</comment>
        <translation>Эбайт</translation>
    </message>
    <message>
        <source>Result in bytes</source>
        <translation>Результат в байтах</translation>
    </message>
    <message>
        <source>Result in kilobytes</source>
        <translation>Результат в килобайтах</translation>
    </message>
    <message>
        <source>Result in megabytes</source>
        <translation>Результат в мегабайтах</translation>
    </message>
    <message>
        <source>Result in gigabytes</source>
        <translation>Результат в гигабайтах</translation>
    </message>
    <message>
        <source>Result in terabytes</source>
        <translation>Результат в терабайтах</translation>
    </message>
    <message>
        <source>Result in petabytes</source>
        <translation>Результат в петабайтах</translation>
    </message>
    <message>
        <source>Result in exabytes</source>
        <translation>Результат в эксабайтах</translation>
    </message>
    <message>
        <source>Enter Number to Convert</source>
        <translation>Число для пересчёта</translation>
    </message>
    <message>
        <source>Enter the number you wish to convert</source>
        <translation>Введите число, которое хотите пересчитать</translation>
    </message>
    <message>
        <source>Number to convert</source>
        <translation>Число для пересчёта</translation>
    </message>
    <message>
        <source>Entry Criteria</source>
        <translation>Единица ввода</translation>
    </message>
    <message>
        <source>Select the criteria for the number to convert you entered</source>
        <translation>Выберите единицу, в которой вы ввели число</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Очистить всё</translation>
    </message>
    <message>
        <source>C&amp;alculate</source>
        <translation>&amp;Вычислить</translation>
    </message>
    <message>
        <source>&amp;Print Form</source>
        <translation>&amp;Печать</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Вычислить</translation>
    </message>
    <message>
        <source>Print Form</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Результаты</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Инструкция</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>You must enter a valid numeric amount .</source>
        <translation>Введите допустимое числовое значение.</translation>
    </message>
    <message>
        <source>The amount is too large to convert.</source>
        <translation>Число слишком велико для пересчёта.</translation>
    </message>
    <message>
        <source>There has been an error printing this form.</source>
        <translation>При печати этого окна произошла ошибка.</translation>
    </message>
    <message>
        <source>The page may have printed: the printer did not answer in time. Check the printer before you print again.</source>
        <translation>Страница могла быть напечатана: принтер не ответил вовремя. Проверьте принтер, прежде чем печатать снова.</translation>
    </message>
    <message>
        <source>To use the Mensurex, simply add a numberical value in the ENTER NUMBER TO CONVERT box. Select the appropriate criteria you wish to convert, byte, kilobyte, megabyte or gigabyte. Next, click the Calculate button to view the results. As an example, if you wanted to see how many bytes, kilobytes and gigabytess were in 100 megabytes, simply type 100 in the ENTER NUMBER TO CONVERT field and select MEGABYTES in the CRITERIA section, then click CALCULATE.  View the results in the RESULTS section.</source>
        <translation>Чтобы воспользоваться Mensurex, введите числовое значение в поле «Число для пересчёта». Выберите единицу, в которой задано число, например байт, килобайт, мегабайт или гигабайт. Затем нажмите кнопку «Вычислить», чтобы увидеть результаты. Допустим, нужно узнать, сколько байтов, килобайтов и гигабайтов в 100 мегабайтах: введите 100 в поле «Число для пересчёта», выберите «Мегабайт» в разделе «Единица ввода» и нажмите «Вычислить». Результаты появятся в разделе «Результаты».</translation>
    </message>
    <message>
        <source>The text was not pasted: the entry holds at most 32767 characters.</source>
        <translation>Текст не вставлен: поле ввода вмещает не более 32&#xa0;767 символов.</translation>
    </message>
</context>
</TS>
