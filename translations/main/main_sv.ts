<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>frmMain</name>
    <message>
        <source>Result in bytes</source>
        <translation>Resultat i byte</translation>
    </message>
    <message>
        <source>Result in kilobytes</source>
        <translation>Resultat i kilobyte</translation>
    </message>
    <message>
        <source>Result in megabytes</source>
        <translation>Resultat i megabyte</translation>
    </message>
    <message>
        <source>Result in gigabytes</source>
        <translation>Resultat i gigabyte</translation>
    </message>
    <message>
        <source>Result in terabytes</source>
        <translation>Resultat i terabyte</translation>
    </message>
    <message>
        <source>Result in petabytes</source>
        <translation>Resultat i petabyte</translation>
    </message>
    <message>
        <source>Result in exabytes</source>
        <translation>Resultat i exabyte</translation>
    </message>
    <message>
        <source>Enter Number to Convert</source>
        <translation>Tal att räkna om</translation>
    </message>
    <message>
        <source>Enter the number you wish to convert</source>
        <translation>Ange talet som du vill räkna om</translation>
    </message>
    <message>
        <source>Number to convert</source>
        <translation>Tal att räkna om</translation>
    </message>
    <message>
        <source>Entry Criteria</source>
        <translation>Enhet</translation>
    </message>
    <message>
        <source>Select the criteria for the number to convert you entered</source>
        <translation>Välj den enhet som talet är angivet i</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Rensa allt</translation>
    </message>
    <message>
        <source>C&amp;alculate</source>
        <translation>&amp;Beräkna</translation>
    </message>
    <message>
        <source>&amp;Print Form</source>
        <translation>Skriv &amp;ut</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Stäng</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Beräkna</translation>
    </message>
    <message>
        <source>Print Form</source>
        <translation>Skriv ut</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultat</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arkiv</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Avsluta</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjälp</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Instruktioner</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>&amp;Om</translation>
    </message>
    <message>
        <source>You must enter a valid numeric amount .</source>
        <translation>Ange ett giltigt tal.</translation>
    </message>
    <message>
        <source>The amount is too large to convert.</source>
        <translation>Talet är för stort för att räknas om.</translation>
    </message>
    <message>
        <source>The text was not pasted: the entry holds at most 32767 characters.</source>
        <translation>Texten klistrades inte in: fältet rymmer högst 32&#xa0;767 tecken.</translation>
    </message>
    <message>
        <source>There has been an error printing this form.</source>
        <translation>Ett fel uppstod när fönstret skulle skrivas ut.</translation>
    </message>
    <message>
        <source>The page may have printed: the printer did not answer in time. Check the printer before you print again.</source>
        <translation>Sidan kan ha skrivits ut: skrivaren svarade inte i tid. Kontrollera skrivaren innan du skriver ut igen.</translation>
    </message>
    <message>
        <source>To use the Mensurex, simply add a numberical value in the ENTER NUMBER TO CONVERT box. Select the appropriate criteria you wish to convert, byte, kilobyte, megabyte or gigabyte. Next, click the Calculate button to view the results. As an example, if you wanted to see how many bytes, kilobytes and gigabytess were in 100 megabytes, simply type 100 in the ENTER NUMBER TO CONVERT field and select MEGABYTES in the CRITERIA section, then click CALCULATE.  View the results in the RESULTS section.</source>
        <translation>Så här använder du Mensurex: ange ett tal i fältet TAL ATT RÄKNA OM. Välj den enhet som talet är angivet i, till exempel byte, kilobyte, megabyte eller gigabyte. Klicka sedan på knappen Beräkna för att se resultaten. Ett exempel: om du vill veta hur många byte, kilobyte och gigabyte 100 megabyte motsvarar, skriver du 100 i fältet TAL ATT RÄKNA OM, väljer MEGABYTE under ENHET och klickar på BERÄKNA. Resultaten visas under RESULTAT.</translation>
    </message>
    <message>
        <source>Bytes</source>
        <comment>unit option button</comment>
        <translation>Byte</translation>
    </message>
    <message>
        <source>Kilobytes</source>
        <comment>unit option button</comment>
        <translation>Kilobyte</translation>
    </message>
    <message>
        <source>Megabytes</source>
        <comment>unit option button</comment>
        <translation>Megabyte</translation>
    </message>
    <message>
        <source>Gigabytes</source>
        <comment>unit option button</comment>
        <translation>Gigabyte</translation>
    </message>
    <message>
        <source>Terabytes</source>
        <comment>unit option button</comment>
        <translation>Terabyte</translation>
    </message>
    <message>
        <source>Petabytes</source>
        <comment>unit option button</comment>
        <translation>Petabyte</translation>
    </message>
    <message>
        <source>Exabytes</source>
        <comment>unit option button</comment>
        <translation>Exabyte</translation>
    </message>
    <message>
        <source>Bytes</source>
        <comment>result label</comment>
        <translation>Byte</translation>
    </message>
    <message>
        <source>Kilobytes</source>
        <comment>result label</comment>
        <translation>Kilobyte</translation>
    </message>
    <message>
        <source>Megabytes</source>
        <comment>result label</comment>
        <translation>Megabyte</translation>
    </message>
    <message>
        <source>Gigabytes</source>
        <comment>result label</comment>
        <translation>Gigabyte</translation>
    </message>
    <message>
        <source>Terabytes</source>
        <comment>result label</comment>
        <translation>Terabyte</translation>
    </message>
    <message>
        <source>Petabytes</source>
        <comment>result label</comment>
        <translation>Petabyte</translation>
    </message>
    <message>
        <source>Exabytes</source>
        <comment>result label</comment>
        <translation>Exabyte</translation>
    </message>
</context>
</TS>
