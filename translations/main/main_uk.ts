<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>frmMain</name>
    <message>
        <source>Result in bytes</source>
        <translation>Результат у байтах</translation>
    </message>
    <message>
        <source>Result in kilobytes</source>
        <translation>Результат у кілобайтах</translation>
    </message>
    <message>
        <source>Result in megabytes</source>
        <translation>Результат у мегабайтах</translation>
    </message>
    <message>
        <source>Result in gigabytes</source>
        <translation>Результат у гігабайтах</translation>
    </message>
    <message>
        <source>Result in terabytes</source>
        <translation>Результат у терабайтах</translation>
    </message>
    <message>
        <source>Result in petabytes</source>
        <translation>Результат у петабайтах</translation>
    </message>
    <message>
        <source>Result in exabytes</source>
        <translation>Результат в ексабайтах</translation>
    </message>
    <message>
        <source>Enter Number to Convert</source>
        <translation>Введіть число</translation>
    </message>
    <message>
        <source>Enter the number you wish to convert</source>
        <translation>Введіть число, яке потрібно перетворити</translation>
    </message>
    <message>
        <source>Number to convert</source>
        <translation>Число для перетворення</translation>
    </message>
    <message>
        <source>Entry Criteria</source>
        <translation>Одиниця виміру</translation>
    </message>
    <message>
        <source>Select the criteria for the number to convert you entered</source>
        <translation>Виберіть одиницю, у якій ви ввели число</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Очистити все</translation>
    </message>
    <message>
        <source>C&amp;alculate</source>
        <translation>&amp;Обчислити</translation>
    </message>
    <message>
        <source>&amp;Print Form</source>
        <translation>Д&amp;рукувати</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрити</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Обчислити</translation>
    </message>
    <message>
        <source>Print Form</source>
        <translation>Друкувати</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Результати</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Вийти</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Інструкція</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>&amp;Про програму</translation>
    </message>
    <message>
        <source>You must enter a valid numeric amount .</source>
        <translation>Введіть правильне число.</translation>
    </message>
    <message>
        <source>The amount is too large to convert.</source>
        <translation>Число завелике для перетворення.</translation>
    </message>
    <message>
        <source>The text was not pasted: the entry holds at most 32767 characters.</source>
        <translation>Текст не вставлено: поле введення вміщує не більше 32&#xa0;767 символів.</translation>
    </message>
    <message>
        <source>There has been an error printing this form.</source>
        <translation>Під час друку цього вікна сталася помилка.</translation>
    </message>
    <message>
        <source>The page may have printed: the printer did not answer in time. Check the printer before you print again.</source>
        <translation>Сторінку, можливо, надруковано: принтер не відповів вчасно. Перевірте принтер, перш ніж друкувати знову.</translation>
    </message>
    <message>
        <source>To use the Mensurex, simply add a numberical value in the ENTER NUMBER TO CONVERT box. Select the appropriate criteria you wish to convert, byte, kilobyte, megabyte or gigabyte. Next, click the Calculate button to view the results. As an example, if you wanted to see how many bytes, kilobytes and gigabytess were in 100 megabytes, simply type 100 in the ENTER NUMBER TO CONVERT field and select MEGABYTES in the CRITERIA section, then click CALCULATE.  View the results in the RESULTS section.</source>
        <translation>Щоб скористатися Mensurex, введіть числове значення в поле «Введіть число». Виберіть одиницю, у якій задано число, наприклад байт, кілобайт, мегабайт або гігабайт. Потім натисніть кнопку «Обчислити», щоб побачити результати. Скажімо, щоб дізнатися, скільки байтів, кілобайтів і гігабайтів у 100 мегабайтах, введіть 100 в поле «Введіть число», виберіть «Мегабайт» у розділі «Одиниця виміру» і натисніть «Обчислити». Результати з’являться в розділі «Результати».</translation>
    </message>
    <message>
        <source>Bytes</source>
        <comment>unit option button</comment>
        <translation>Байт</translation>
    </message>
    <message>
        <source>Kilobytes</source>
        <comment>unit option button</comment>
        <translation>Кілобайт</translation>
    </message>
    <message>
        <source>Megabytes</source>
        <comment>unit option button</comment>
        <translation>Мегабайт</translation>
    </message>
    <message>
        <source>Gigabytes</source>
        <comment>unit option button</comment>
        <translation>Гігабайт</translation>
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
        <translation>Ексабайт</translation>
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
        <translation>Ебайт</translation>
    </message>
</context>
</TS>
