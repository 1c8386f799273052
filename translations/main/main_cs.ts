<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>frmMain</name>
    <message>
        <source>Result in bytes</source>
        <translation>Výsledek v&#xa0;bajtech</translation>
    </message>
    <message>
        <source>Result in kilobytes</source>
        <translation>Výsledek v&#xa0;kilobajtech</translation>
    </message>
    <message>
        <source>Result in megabytes</source>
        <translation>Výsledek v&#xa0;megabajtech</translation>
    </message>
    <message>
        <source>Result in gigabytes</source>
        <translation>Výsledek v&#xa0;gigabajtech</translation>
    </message>
    <message>
        <source>Result in terabytes</source>
        <translation>Výsledek v&#xa0;terabajtech</translation>
    </message>
    <message>
        <source>Result in petabytes</source>
        <translation>Výsledek v&#xa0;petabajtech</translation>
    </message>
    <message>
        <source>Result in exabytes</source>
        <translation>Výsledek v&#xa0;exabajtech</translation>
    </message>
    <message>
        <source>Enter Number to Convert</source>
        <translation>Převáděné číslo</translation>
    </message>
    <message>
        <source>Enter the number you wish to convert</source>
        <translation>Zadejte číslo, které chcete převést</translation>
    </message>
    <message>
        <source>Number to convert</source>
        <translation>Převáděné číslo</translation>
    </message>
    <message>
        <source>Entry Criteria</source>
        <translation>Jednotka</translation>
    </message>
    <message>
        <source>Select the criteria for the number to convert you entered</source>
        <translation>Vyberte jednotku, ve které jste číslo zadali</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Vymazat vše</translation>
    </message>
    <message>
        <source>C&amp;alculate</source>
        <translation>&amp;Vypočítat</translation>
    </message>
    <message>
        <source>&amp;Print Form</source>
        <translation>Vy&amp;tisknout</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zavřít</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Vypočítat</translation>
    </message>
    <message>
        <source>Print Form</source>
        <translation>Vytisknout</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Výsledky</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Soubor</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Konec</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Nápověda</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Návod</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>&amp;O&#xa0;programu</translation>
    </message>
    <message>
        <source>You must enter a valid numeric amount .</source>
        <translation>Zadejte platné číslo.</translation>
    </message>
    <message>
        <source>The amount is too large to convert.</source>
        <translation>Číslo je pro převod příliš velké.</translation>
    </message>
    <message>
        <source>The text was not pasted: the entry holds at most 32767 characters.</source>
        <translation>Text nebyl vložen: pole pojme nejvýše 32&#xa0;767 znaků.</translation>
    </message>
    <message>
        <source>There has been an error printing this form.</source>
        <translation>Při tisku okna došlo k&#xa0;chybě.</translation>
    </message>
    <message>
        <source>The page may have printed: the printer did not answer in time. Check the printer before you print again.</source>
        <translation>Stránka se možná vytiskla: tiskárna neodpověděla včas. Než budete tisknout znovu, zkontrolujte tiskárnu.</translation>
    </message>
    <message>
        <source>To use the Mensurex, simply add a numberical value in the ENTER NUMBER TO CONVERT box. Select the appropriate criteria you wish to convert, byte, kilobyte, megabyte or gigabyte. Next, click the Calculate button to view the results. As an example, if you wanted to see how many bytes, kilobytes and gigabytess were in 100 megabytes, simply type 100 in the ENTER NUMBER TO CONVERT field and select MEGABYTES in the CRITERIA section, then click CALCULATE.  View the results in the RESULTS section.</source>
        <translation>Mensurex se používá takto: do pole PŘEVÁDĚNÉ ČÍSLO zadejte číselnou hodnotu. Vyberte jednotku, ve které je číslo zadáno, například bajty, kilobajty, megabajty nebo gigabajty. Potom klikněte na tlačítko Vypočítat a zobrazí se výsledky. Příklad: chcete-li zjistit, kolik bajtů, kilobajtů a gigabajtů odpovídá 100 megabajtům, zadejte 100 do pole PŘEVÁDĚNÉ ČÍSLO, v&#xa0;oddílu JEDNOTKA vyberte MEGABAJTY a klikněte na VYPOČÍTAT. Výsledky najdete v&#xa0;oddílu VÝSLEDKY.</translation>
    </message>
    <message>
        <source>Bytes</source>
        <comment>unit option button</comment>
        <translation>Bajty</translation>
    </message>
    <message>
        <source>Kilobytes</source>
        <comment>unit option button</comment>
        <translation>Kilobajty</translation>
    </message>
    <message>
        <source>Megabytes</source>
        <comment>unit option button</comment>
        <translation>Megabajty</translation>
    </message>
    <message>
        <source>Gigabytes</source>
        <comment>unit option button</comment>
        <translation>Gigabajty</translation>
    </message>
    <message>
        <source>Terabytes</source>
        <comment>unit option button</comment>
        <translation>Terabajty</translation>
    </message>
    <message>
        <source>Petabytes</source>
        <comment>unit option button</comment>
        <translation>Petabajty</translation>
    </message>
    <message>
        <source>Exabytes</source>
        <comment>unit option button</comment>
        <translation>Exabajty</translation>
    </message>
    <message>
        <source>Bytes</source>
        <comment>result label</comment>
        <translation>Bajty</translation>
    </message>
    <message>
        <source>Kilobytes</source>
        <comment>result label</comment>
        <translation>Kilobajty</translation>
    </message>
    <message>
        <source>Megabytes</source>
        <comment>result label</comment>
        <translation>Megabajty</translation>
    </message>
    <message>
        <source>Gigabytes</source>
        <comment>result label</comment>
        <translation>Gigabajty</translation>
    </message>
    <message>
        <source>Terabytes</source>
        <comment>result label</comment>
        <translation>Terabajty</translation>
    </message>
    <message>
        <source>Petabytes</source>
        <comment>result label</comment>
        <translation>Petabajty</translation>
    </message>
    <message>
        <source>Exabytes</source>
        <comment>result label</comment>
        <translation>Exabajty</translation>
    </message>
</context>
</TS>
