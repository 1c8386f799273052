<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Wieder&amp;herstellen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Einf&amp;ügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close the About window</source>
        <translation>Fenster „Über“ schließen</translation>
    </message>
    <message>
        <source>Program picture</source>
        <translation>Programmsymbol</translation>
    </message>
    <message>
        <source>A diskette</source>
        <translation>Diskette</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>Webadresse</translation>
    </message>
    <message>
        <source>The Mensurex was developed as a simple tool to quickly and easily calculate bytes, kilobytes, megabytes, gigabytes, terabytes, petabytes and exabytes.</source>
        <translation>Mensurex wurde als einfaches Werkzeug entwickelt, mit dem sich Bytes, Kilobytes, Megabytes, Gigabytes, Terabytes, Petabytes und Exabytes schnell und bequem umrechnen lassen.</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Application title</source>
        <translation>Programmname</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Haftungsausschluss</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About window&apos;s caption; %1 is the application title.</extracomment>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>The About window&apos;s version line; %1 is the version, e.g. 2.0.</extracomment>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Mensurex 2 is free software under the MIT License, with no warranty. Please report problems to mensurex@example.org.</source>
        <translation>Mensurex 2 ist freie Software unter der MIT-Lizenz, ohne jede Gewährleistung. Bitte melden Sie Probleme an mensurex@example.org.</translation>
    </message>
</context>
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
