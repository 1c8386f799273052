<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>frmMain</name>
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
    <message>
        <source>Result in bytes</source>
        <translation>Resultaat in bytes</translation>
    </message>
    <message>
        <source>Result in kilobytes</source>
        <translation>Resultaat in kilobytes</translation>
    </message>
    <message>
        <source>Result in megabytes</source>
        <translation>Resultaat in megabytes</translation>
    </message>
    <message>
        <source>Result in gigabytes</source>
        <translation>Resultaat in gigabytes</translation>
    </message>
    <message>
        <source>Result in terabytes</source>
        <translation>Resultaat in terabytes</translation>
    </message>
    <message>
        <source>Result in petabytes</source>
        <translation>Resultaat in petabytes</translation>
    </message>
    <message>
        <source>Result in exabytes</source>
        <translation>Resultaat in exabytes</translation>
    </message>
    <message>
        <source>Enter Number to Convert</source>
        <translation>Getal om te rekenen</translation>
    </message>
    <message>
        <source>Enter the number you wish to convert</source>
        <translation>Voer het getal in dat u wilt omrekenen</translation>
    </message>
    <message>
        <source>Number to convert</source>
        <translation>Getal om te rekenen</translation>
    </message>
    <message>
        <source>Entry Criteria</source>
        <translation>Invoereenheid</translation>
    </message>
    <message>
        <source>Select the criteria for the number to convert you entered</source>
        <translation>Kies de eenheid waarin u het getal hebt ingevoerd</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Alles wissen</translation>
    </message>
    <message>
        <source>C&amp;alculate</source>
        <translation>Be&amp;rekenen</translation>
    </message>
    <message>
        <source>&amp;Print Form</source>
        <translation>Af&amp;drukken</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berekenen</translation>
    </message>
    <message>
        <source>Print Form</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultaten</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Af&amp;sluiten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Instructies</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>&amp;Over</translation>
    </message>
    <message>
        <source>You must enter a valid numeric amount .</source>
        <translation>Voer een geldig getal in.</translation>
    </message>
    <message>
        <source>The amount is too large to convert.</source>
        <translation>Het getal is te groot om te worden omgerekend.</translation>
    </message>
    <message>
        <source>There has been an error printing this form.</source>
        <translation>Er is een fout opgetreden bij het afdrukken van dit venster.</translation>
    </message>
    <message>
        <source>The page may have printed: the printer did not answer in time. Check the printer before you print again.</source>
        <translation>De pagina is mogelijk afgedrukt: de printer reageerde niet op tijd. Controleer de printer voordat u opnieuw afdrukt.</translation>
    </message>
    <message>
        <source>To use the Mensurex, simply add a numberical value in the ENTER NUMBER TO CONVERT box. Select the appropriate criteria you wish to convert, byte, kilobyte, megabyte or gigabyte. Next, click the Calculate button to view the results. As an example, if you wanted to see how many bytes, kilobytes and gigabytess were in 100 megabytes, simply type 100 in the ENTER NUMBER TO CONVERT field and select MEGABYTES in the CRITERIA section, then click CALCULATE.  View the results in the RESULTS section.</source>
        <translation>Zo gebruikt u Mensurex: voer in het vak GETAL OM TE REKENEN een getal in. Kies de eenheid waarin het getal is uitgedrukt, bijvoorbeeld byte, kilobyte, megabyte of gigabyte. Klik daarna op de knop Berekenen om de resultaten te zien. Een voorbeeld: om te zien hoeveel bytes, kilobytes en gigabytes 100 megabytes zijn, typt u 100 in het vak GETAL OM TE REKENEN, kiest u MEGABYTES in het deel INVOEREENHEID en klikt u op BEREKENEN. De resultaten staan in het deel RESULTATEN.</translation>
    </message>
    <message>
        <source>The text was not pasted: the entry holds at most 32767 characters.</source>
        <translation>De tekst is niet geplakt: het invoervak kan hoogstens 32.767 tekens bevatten.</translation>
    </message>
</context>
</TS>
