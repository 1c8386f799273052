<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>frmMain</name>
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
        <translation>Eksabajty</translation>
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
        <translation>Eksabajty</translation>
    </message>
    <message>
        <source>Result in bytes</source>
        <translation>Wynik w bajtach</translation>
    </message>
    <message>
        <source>Result in kilobytes</source>
        <translation>Wynik w kilobajtach</translation>
    </message>
    <message>
        <source>Result in megabytes</source>
        <translation>Wynik w megabajtach</translation>
    </message>
    <message>
        <source>Result in gigabytes</source>
        <translation>Wynik w gigabajtach</translation>
    </message>
    <message>
        <source>Result in terabytes</source>
        <translation>Wynik w terabajtach</translation>
    </message>
    <message>
        <source>Result in petabytes</source>
        <translation>Wynik w petabajtach</translation>
    </message>
    <message>
        <source>Result in exabytes</source>
        <translation>Wynik w eksabajtach</translation>
    </message>
    <message>
        <source>Enter Number to Convert</source>
        <translation>Liczba do przeliczenia</translation>
    </message>
    <message>
        <source>Enter the number you wish to convert</source>
        <translation>Wpisz liczbę do przeliczenia</translation>
    </message>
    <message>
        <source>Number to convert</source>
        <translation>Liczba do przeliczenia</translation>
    </message>
    <message>
        <source>Entry Criteria</source>
        <translation>Jednostka</translation>
    </message>
    <message>
        <source>Select the criteria for the number to convert you entered</source>
        <translation>Wybierz jednostkę wpisanej liczby</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>C&amp;alculate</source>
        <translation>&amp;Oblicz</translation>
    </message>
    <message>
        <source>&amp;Print Form</source>
        <translation>&amp;Drukuj</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Oblicz</translation>
    </message>
    <message>
        <source>Print Form</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Wyniki</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Instrukcja</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>You must enter a valid numeric amount .</source>
        <translation>Wpisz prawidłową liczbę.</translation>
    </message>
    <message>
        <source>The amount is too large to convert.</source>
        <translation>Liczba jest zbyt duża, aby ją przeliczyć.</translation>
    </message>
    <message>
        <source>There has been an error printing this form.</source>
        <translation>Podczas drukowania tego okna wystąpił błąd.</translation>
    </message>
    <message>
        <source>The page may have printed: the printer did not answer in time. Check the printer before you print again.</source>
        <translation>Strona mogła zostać wydrukowana: drukarka nie odpowiedziała na czas. Sprawdź drukarkę przed ponownym drukowaniem.</translation>
    </message>
    <message>
        <source>To use the Mensurex, simply add a numberical value in the ENTER NUMBER TO CONVERT box. Select the appropriate criteria you wish to convert, byte, kilobyte, megabyte or gigabyte. Next, click the Calculate button to view the results. As an example, if you wanted to see how many bytes, kilobytes and gigabytess were in 100 megabytes, simply type 100 in the ENTER NUMBER TO CONVERT field and select MEGABYTES in the CRITERIA section, then click CALCULATE.  View the results in the RESULTS section.</source>
        <translation>Aby użyć programu Mensurex, wpisz liczbę w polu LICZBA DO PRZELICZENIA. Następnie wybierz jednostkę, w której podano liczbę, na przykład bajty, kilobajty, megabajty lub gigabajty. Potem kliknij przycisk Oblicz, aby zobaczyć wyniki. Przykład: aby sprawdzić, ile bajtów, kilobajtów i gigabajtów mieści się w 100 megabajtach, wpisz 100 w polu LICZBA DO PRZELICZENIA, wybierz MEGABAJTY w sekcji JEDNOSTKA i kliknij OBLICZ. Wyniki pojawią się w sekcji WYNIKI.</translation>
    </message>
    <message>
        <source>The text was not pasted: the entry holds at most 32767 characters.</source>
        <translation>Tekst nie został wklejony: pole może zawierać najwyżej 32&#xa0;767 znaków.</translation>
    </message>
</context>
</TS>
