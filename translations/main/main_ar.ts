<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>frmMain</name>
    <message>
        <source>Result in bytes</source>
        <translation>النتيجة بالبايت</translation>
    </message>
    <message>
        <source>Result in kilobytes</source>
        <translation>النتيجة بالكيلوبايت</translation>
    </message>
    <message>
        <source>Result in megabytes</source>
        <translation>النتيجة بالميغابايت</translation>
    </message>
    <message>
        <source>Result in gigabytes</source>
        <translation>النتيجة بالغيغابايت</translation>
    </message>
    <message>
        <source>Result in terabytes</source>
        <translation>النتيجة بالتيرابايت</translation>
    </message>
    <message>
        <source>Result in petabytes</source>
        <translation>النتيجة بالبيتابايت</translation>
    </message>
    <message>
        <source>Result in exabytes</source>
        <translation>النتيجة بالإكسابايت</translation>
    </message>
    <message>
        <source>Enter Number to Convert</source>
        <translation>أدخل العدد</translation>
    </message>
    <message>
        <source>Enter the number you wish to convert</source>
        <translation>أدخل العدد الذي تريد تحويله</translation>
    </message>
    <message>
        <source>Number to convert</source>
        <translation>العدد المراد تحويله</translation>
    </message>
    <message>
        <source>Entry Criteria</source>
        <translation>وحدة العدد</translation>
    </message>
    <message>
        <source>Select the criteria for the number to convert you entered</source>
        <translation>اختر وحدة العدد الذي أدخلته</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>مسح الكل</translation>
    </message>
    <message>
        <source>C&amp;alculate</source>
        <translation>&amp;حساب</translation>
    </message>
    <message>
        <source>&amp;Print Form</source>
        <translation>&amp;طباعة</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>إ&amp;غلاق</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>حساب</translation>
    </message>
    <message>
        <source>Print Form</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>النتائج</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;تعليمات</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>إ&amp;رشادات</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>&amp;حول</translation>
    </message>
    <message>
        <source>You must enter a valid numeric amount .</source>
        <translation>يجب إدخال عدد صالح.</translation>
    </message>
    <message>
        <source>The amount is too large to convert.</source>
        <translation>العدد أكبر من أن يُحوَّل.</translation>
    </message>
    <message>
        <source>The text was not pasted: the entry holds at most 32767 characters.</source>
        <translation>لم يُلصَق النص: لا تتسع خانة الإدخال لأكثر من ٣٢٬٧٦٧ حرفًا.</translation>
    </message>
    <message>
        <source>There has been an error printing this form.</source>
        <translation>حدث خطأ أثناء طباعة هذه النافذة.</translation>
    </message>
    <message>
        <source>The page may have printed: the printer did not answer in time. Check the printer before you print again.</source>
        <translation>ربما طُبعت الصفحة: لم تستجب الطابعة في الوقت المحدد. افحص الطابعة قبل أن تطبع مرة أخرى.</translation>
    </message>
    <message>
        <source>To use the Mensurex, simply add a numberical value in the ENTER NUMBER TO CONVERT box. Select the appropriate criteria you wish to convert, byte, kilobyte, megabyte or gigabyte. Next, click the Calculate button to view the results. As an example, if you wanted to see how many bytes, kilobytes and gigabytess were in 100 megabytes, simply type 100 in the ENTER NUMBER TO CONVERT field and select MEGABYTES in the CRITERIA section, then click CALCULATE.  View the results in the RESULTS section.</source>
        <translation>لاستخدام Mensurex، اكتب قيمة عددية في خانة «أدخل العدد»، واختر وحدة هذا العدد: البايت أو الكيلوبايت أو الميغابايت أو الغيغابايت، ثم انقر زر «حساب» لعرض النتائج. فمثلًا، لمعرفة كم بايتًا وكم كيلوبايتًا وكم غيغابايتًا في 100 ميغابايت، اكتب 100 في خانة «أدخل العدد» واختر «ميغابايت» في قسم «وحدة العدد»، ثم انقر «حساب». تظهر النتائج في قسم «النتائج».</translation>
    </message>
    <message>
        <source>Bytes</source>
        <comment>unit option button</comment>
        <translation>بايت</translation>
    </message>
    <message>
        <source>Kilobytes</source>
        <comment>unit option button</comment>
        <translation>كيلوبايت</translation>
    </message>
    <message>
        <source>Megabytes</source>
        <comment>unit option button</comment>
        <translation>ميغابايت</translation>
    </message>
    <message>
        <source>Gigabytes</source>
        <comment>unit option button</comment>
        <translation>غيغابايت</translation>
    </message>
    <message>
        <source>Terabytes</source>
        <comment>unit option button</comment>
        <translation>تيرابايت</translation>
    </message>
    <message>
        <source>Petabytes</source>
        <comment>unit option button</comment>
        <translation>بيتابايت</translation>
    </message>
    <message>
        <source>Exabytes</source>
        <comment>unit option button</comment>
        <translation>إكسابايت</translation>
    </message>
    <message>
        <source>Bytes</source>
        <comment>result label</comment>
        <translation>بايت</translation>
    </message>
    <message>
        <source>Kilobytes</source>
        <comment>result label</comment>
        <translation>كيلوبايت</translation>
    </message>
    <message>
        <source>Megabytes</source>
        <comment>result label</comment>
        <translation>ميغابايت</translation>
    </message>
    <message>
        <source>Gigabytes</source>
        <comment>result label</comment>
        <translation>غيغابايت</translation>
    </message>
    <message>
        <source>Terabytes</source>
        <comment>result label</comment>
        <translation>تيرابايت</translation>
    </message>
    <message>
        <source>Petabytes</source>
        <comment>result label</comment>
        <translation>بيتابايت</translation>
    </message>
    <message>
        <source>Exabytes</source>
        <comment>result label</comment>
        <translation>إكسابايت</translation>
    </message>
</context>
</TS>
