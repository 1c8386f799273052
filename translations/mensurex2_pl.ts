<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Przywróć</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>W&amp;ytnij</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>S&amp;kopiuj</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Wklej</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Zaznacz wszystko</translation>
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
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>The Mensurex was developed as a simple tool to quickly and easily calculate bytes, kilobytes, megabytes, gigabytes, terabytes, petabytes and exabytes.</source>
        <translation>Mensurex powstał jako proste narzędzie do szybkiego i łatwego przeliczania bajtów, kilobajtów, megabajtów, gigabajtów, terabajtów, petabajtów i eksabajtów.</translation>
    </message>
    <message>
        <source>Mensurex 2 is free software under the MIT License, with no warranty. Please report problems to mensurex@example.org.</source>
        <translation>Mensurex 2 jest wolnym oprogramowaniem na licencji MIT, bez żadnej gwarancji. Problemy prosimy zgłaszać na adres mensurex@example.org.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close the About window</source>
        <translation>Zamyka okno „O programie”</translation>
    </message>
    <message>
        <source>Program picture</source>
        <translation>Ikona programu</translation>
    </message>
    <message>
        <source>A diskette</source>
        <translation>Dyskietka</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>Adres WWW</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Opis</translation>
    </message>
    <message>
        <source>Application title</source>
        <translation>Nazwa programu</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>The About window&apos;s version line; %1 is the version, e.g. 2.0.</extracomment>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Wersja</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Wyłączenie odpowiedzialności</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About window&apos;s caption; %1 is the application title.</extracomment>
        <translation>O programie %1</translation>
    </message>
</context>
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
