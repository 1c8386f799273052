<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he">
<context>
    <name>frmMain</name>
    <message>
        <source>Result in bytes</source>
        <translation>התוצאה בבתים</translation>
    </message>
    <message>
        <source>Result in kilobytes</source>
        <translation>התוצאה בקילו־בייטים</translation>
    </message>
    <message>
        <source>Result in megabytes</source>
        <translation>התוצאה במגה־בייטים</translation>
    </message>
    <message>
        <source>Result in gigabytes</source>
        <translation>התוצאה בג׳יגה־בייטים</translation>
    </message>
    <message>
        <source>Result in terabytes</source>
        <translation>התוצאה בטרה־בייטים</translation>
    </message>
    <message>
        <source>Result in petabytes</source>
        <translation>התוצאה בפטה־בייטים</translation>
    </message>
    <message>
        <source>Result in exabytes</source>
        <translation>התוצאה באקסה־בייטים</translation>
    </message>
    <message>
        <source>Enter Number to Convert</source>
        <translation>מספר להמרה</translation>
    </message>
    <message>
        <source>Enter the number you wish to convert</source>
        <translation>יש להזין את המספר שברצונך להמיר</translation>
    </message>
    <message>
        <source>Number to convert</source>
        <translation>מספר להמרה</translation>
    </message>
    <message>
        <source>Entry Criteria</source>
        <translation>יחידת המספר</translation>
    </message>
    <message>
        <source>Select the criteria for the number to convert you entered</source>
        <translation>יש לבחור את היחידה של המספר שהוזן</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>ניקוי הכול</translation>
    </message>
    <message>
        <source>C&amp;alculate</source>
        <translation>&amp;חישוב</translation>
    </message>
    <message>
        <source>&amp;Print Form</source>
        <translation>ה&amp;דפסה</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;סגירה</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>חישוב</translation>
    </message>
    <message>
        <source>Print Form</source>
        <translation>הדפסה</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>סגירה</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>תוצאות</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;קובץ</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>י&amp;ציאה</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;עזרה</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;הוראות</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>&amp;אודות</translation>
    </message>
    <message>
        <source>You must enter a valid numeric amount .</source>
        <translation>יש להזין ערך מספרי תקין.</translation>
    </message>
    <message>
        <source>The amount is too large to convert.</source>
        <translation>המספר גדול מכדי להמיר אותו.</translation>
    </message>
    <message>
        <source>The text was not pasted: the entry holds at most 32767 characters.</source>
        <translation>הטקסט לא הודבק: השדה יכול להכיל עד 32,767 תווים.</translation>
    </message>
    <message>
        <source>There has been an error printing this form.</source>
        <translation>אירעה שגיאה בהדפסת החלון.</translation>
    </message>
    <message>
        <source>The page may have printed: the printer did not answer in time. Check the printer before you print again.</source>
        <translation>ייתכן שהעמוד הודפס: המדפסת לא הגיבה בזמן. יש לבדוק את המדפסת לפני שמדפיסים שוב.</translation>
    </message>
    <message>
        <source>To use the Mensurex, simply add a numberical value in the ENTER NUMBER TO CONVERT box. Select the appropriate criteria you wish to convert, byte, kilobyte, megabyte or gigabyte. Next, click the Calculate button to view the results. As an example, if you wanted to see how many bytes, kilobytes and gigabytess were in 100 megabytes, simply type 100 in the ENTER NUMBER TO CONVERT field and select MEGABYTES in the CRITERIA section, then click CALCULATE.  View the results in the RESULTS section.</source>
        <translation>כדי להשתמש ב־Mensurex, יש להזין ערך מספרי בתיבה &quot;מספר להמרה&quot; ולבחור את היחידה של המספר: בתים, קילו־בייטים, מגה־בייטים או ג׳יגה־בייטים. לאחר מכן יש ללחוץ על הכפתור &quot;חישוב&quot; כדי לראות את התוצאות. לדוגמה, כדי לדעת כמה בתים, קילו־בייטים וג׳יגה־בייטים יש ב־100 מגה־בייטים, יש להקליד 100 בתיבה &quot;מספר להמרה&quot;, לבחור &quot;מגה־בייט&quot; באזור &quot;יחידת המספר&quot; וללחוץ על &quot;חישוב&quot;. התוצאות מופיעות באזור &quot;תוצאות&quot;.</translation>
    </message>
    <message>
        <source>Bytes</source>
        <comment>unit option button</comment>
        <translation>בתים</translation>
    </message>
    <message>
        <source>Kilobytes</source>
        <comment>unit option button</comment>
        <translation>קילו־בייט</translation>
    </message>
    <message>
        <source>Megabytes</source>
        <comment>unit option button</comment>
        <translation>מגה־בייט</translation>
    </message>
    <message>
        <source>Gigabytes</source>
        <comment>unit option button</comment>
        <translation>ג׳יגה־בייט</translation>
    </message>
    <message>
        <source>Terabytes</source>
        <comment>unit option button</comment>
        <translation>טרה־בייט</translation>
    </message>
    <message>
        <source>Petabytes</source>
        <comment>unit option button</comment>
        <translation>פטה־בייט</translation>
    </message>
    <message>
        <source>Exabytes</source>
        <comment>unit option button</comment>
        <translation>אקסה־בייט</translation>
    </message>
    <message>
        <source>Bytes</source>
        <comment>result label</comment>
        <translation>בתים</translation>
    </message>
    <message>
        <source>Kilobytes</source>
        <comment>result label</comment>
        <translation>קילו־בייט</translation>
    </message>
    <message>
        <source>Megabytes</source>
        <comment>result label</comment>
        <translation>מגה־בייט</translation>
    </message>
    <message>
        <source>Gigabytes</source>
        <comment>result label</comment>
        <translation>ג׳יגה־בייט</translation>
    </message>
    <message>
        <source>Terabytes</source>
        <comment>result label</comment>
        <translation>טרה־בייט</translation>
    </message>
    <message>
        <source>Petabytes</source>
        <comment>result label</comment>
        <translation>פטה־בייט</translation>
    </message>
    <message>
        <source>Exabytes</source>
        <comment>result label</comment>
        <translation>אקסה־בייט</translation>
    </message>
</context>
</TS>
