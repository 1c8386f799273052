<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>frmMain</name>
    <message>
        <source>Result in bytes</source>
        <translation>Ergebnis in Bytes</translation>
    </message>
    <message>
        <source>Result in kilobytes</source>
        <translation>Ergebnis in Kilobytes</translation>
    </message>
    <message>
        <source>Result in megabytes</source>
        <translation>Ergebnis in Megabytes</translation>
    </message>
    <message>
        <source>Result in gigabytes</source>
        <translation>Ergebnis in Gigabytes</translation>
    </message>
    <message>
        <source>Result in terabytes</source>
        <translation>Ergebnis in Terabytes</translation>
    </message>
    <message>
        <source>Result in petabytes</source>
        <translation>Ergebnis in Petabytes</translation>
    </message>
    <message>
        <source>Result in exabytes</source>
        <translation>Ergebnis in Exabytes</translation>
    </message>
    <message>
        <source>Enter Number to Convert</source>
        <translation>Umzurechnende Zahl</translation>
    </message>
    <message>
        <source>Enter the number you wish to convert</source>
        <translation>Geben Sie die Zahl ein, die Sie umrechnen möchten</translation>
    </message>
    <message>
        <source>Number to convert</source>
        <translation>Umzurechnende Zahl</translation>
    </message>
    <message>
        <source>Entry Criteria</source>
        <translation>Eingabeeinheit</translation>
    </message>
    <message>
        <source>Select the criteria for the number to convert you entered</source>
        <translation>Wählen Sie die Einheit, in der Sie die Zahl eingegeben haben</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Alles löschen</translation>
    </message>
    <message>
        <source>C&amp;alculate</source>
        <translation>Be&amp;rechnen</translation>
    </message>
    <message>
        <source>&amp;Print Form</source>
        <translation>Dr&amp;ucken</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Print Form</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Anleitung</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>You must enter a valid numeric amount .</source>
        <translation>Bitte geben Sie eine gültige Zahl ein.</translation>
    </message>
    <message>
        <source>The amount is too large to convert.</source>
        <translation>Die Zahl ist zu groß, um sie umzurechnen.</translation>
    </message>
    <message>
        <source>The text was not pasted: the entry holds at most 32767 characters.</source>
        <translation>Der Text wurde nicht eingefügt: Das Eingabefeld fasst höchstens 32.767 Zeichen.</translation>
    </message>
    <message>
        <source>There has been an error printing this form.</source>
        <translation>Beim Drucken des Fensters ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>The page may have printed: the printer did not answer in time. Check the printer before you print again.</source>
        <translation>Die Seite wurde möglicherweise gedruckt: Der Drucker hat nicht rechtzeitig geantwortet. Prüfen Sie den Drucker, bevor Sie erneut drucken.</translation>
    </message>
    <message>
        <source>To use the Mensurex, simply add a numberical value in the ENTER NUMBER TO CONVERT box. Select the appropriate criteria you wish to convert, byte, kilobyte, megabyte or gigabyte. Next, click the Calculate button to view the results. As an example, if you wanted to see how many bytes, kilobytes and gigabytess were in 100 megabytes, simply type 100 in the ENTER NUMBER TO CONVERT field and select MEGABYTES in the CRITERIA section, then click CALCULATE.  View the results in the RESULTS section.</source>
        <translation>So benutzen Sie Mensurex: Geben Sie im Feld UMZURECHNENDE ZAHL einen Zahlenwert ein. Wählen Sie die Einheit, in der die Zahl angegeben ist, etwa Byte, Kilobyte, Megabyte oder Gigabyte. Klicken Sie dann auf BERECHNEN, um die Ergebnisse zu sehen. Ein Beispiel: Um zu sehen, wie vielen Bytes, Kilobytes und Gigabytes 100 Megabytes entsprechen, geben Sie im Feld UMZURECHNENDE ZAHL 100 ein, wählen unter EINGABEEINHEIT die Einheit MEGABYTES und klicken auf BERECHNEN. Die Ergebnisse stehen im Bereich ERGEBNISSE.</translation>
    </message>
    <message>
        <source>Bytes</source>
        <comment>unit option button</comment>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>Kilobytes</source>
        <comment>unit option button</comment>
        <translation>Kilobytes</translation>
    </message>
    <message>
        <source>Megabytes</source>
        <comment>unit option button</comment>
        <translation>Megabytes</translation>
    </message>
    <message>
        <source>Gigabytes</source>
        <comment>unit option button</comment>
        <translation>Gigabytes</translation>
    </message>
    <message>
        <source>Terabytes</source>
        <comment>unit option button</comment>
        <translation>Terabytes</translation>
    </message>
    <message>
        <source>Petabytes</source>
        <comment>unit option button</comment>
        <translation>Petabytes</translation>
    </message>
    <message>
        <source>Exabytes</source>
        <comment>unit option button</comment>
        <translation>Exabytes</translation>
    </message>
    <message>
        <source>Bytes</source>
        <comment>result label</comment>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>Kilobytes</source>
        <comment>result label</comment>
        <translation>Kilobytes</translation>
    </message>
    <message>
        <source>Megabytes</source>
        <comment>result label</comment>
        <translation>Megabytes</translation>
    </message>
    <message>
        <source>Gigabytes</source>
        <comment>result label</comment>
        <translation>Gigabytes</translation>
    </message>
    <message>
        <source>Terabytes</source>
        <comment>result label</comment>
        <translation>Terabytes</translation>
    </message>
    <message>
        <source>Petabytes</source>
        <comment>result label</comment>
        <translation>Petabytes</translation>
    </message>
    <message>
        <source>Exabytes</source>
        <comment>result label</comment>
        <translation>Exabytes</translation>
    </message>
</context>
</TS>
