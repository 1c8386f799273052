<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>frmMain</name>
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
    <message>
        <source>Result in bytes</source>
        <translation>Risultato in byte</translation>
    </message>
    <message>
        <source>Result in kilobytes</source>
        <translation>Risultato in kilobyte</translation>
    </message>
    <message>
        <source>Result in megabytes</source>
        <translation>Risultato in megabyte</translation>
    </message>
    <message>
        <source>Result in gigabytes</source>
        <translation>Risultato in gigabyte</translation>
    </message>
    <message>
        <source>Result in terabytes</source>
        <translation>Risultato in terabyte</translation>
    </message>
    <message>
        <source>Result in petabytes</source>
        <translation>Risultato in petabyte</translation>
    </message>
    <message>
        <source>Result in exabytes</source>
        <translation>Risultato in exabyte</translation>
    </message>
    <message>
        <source>Enter Number to Convert</source>
        <translation>Numero da convertire</translation>
    </message>
    <message>
        <source>Enter the number you wish to convert</source>
        <translation>Inserire il numero da convertire</translation>
    </message>
    <message>
        <source>Number to convert</source>
        <translation>Numero da convertire</translation>
    </message>
    <message>
        <source>Entry Criteria</source>
        <translation>Unità di misura</translation>
    </message>
    <message>
        <source>Select the criteria for the number to convert you entered</source>
        <translation>Selezionare l&apos;unità in cui è espresso il numero inserito</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Cancella tutto</translation>
    </message>
    <message>
        <source>C&amp;alculate</source>
        <translation>&amp;Calcola</translation>
    </message>
    <message>
        <source>&amp;Print Form</source>
        <translation>Stam&amp;pa</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>C&amp;hiudi</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcola</translation>
    </message>
    <message>
        <source>Print Form</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Risultati</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Istruzioni</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>I&amp;nformazioni</translation>
    </message>
    <message>
        <source>You must enter a valid numeric amount .</source>
        <translation>Inserire un numero valido.</translation>
    </message>
    <message>
        <source>The amount is too large to convert.</source>
        <translation>Il numero è troppo grande per essere convertito.</translation>
    </message>
    <message>
        <source>There has been an error printing this form.</source>
        <translation>Si è verificato un errore durante la stampa di questa finestra.</translation>
    </message>
    <message>
        <source>The page may have printed: the printer did not answer in time. Check the printer before you print again.</source>
        <translation>La pagina potrebbe essere stata stampata: la stampante non ha risposto in tempo. Controllare la stampante prima di stampare di nuovo.</translation>
    </message>
    <message>
        <source>To use the Mensurex, simply add a numberical value in the ENTER NUMBER TO CONVERT box. Select the appropriate criteria you wish to convert, byte, kilobyte, megabyte or gigabyte. Next, click the Calculate button to view the results. As an example, if you wanted to see how many bytes, kilobytes and gigabytess were in 100 megabytes, simply type 100 in the ENTER NUMBER TO CONVERT field and select MEGABYTES in the CRITERIA section, then click CALCULATE.  View the results in the RESULTS section.</source>
        <translation>Per usare Mensurex, inserire un numero nel campo NUMERO DA CONVERTIRE. Selezionare l&apos;unità in cui è espresso il numero, ad esempio byte, kilobyte, megabyte o gigabyte. Quindi fare clic sul pulsante Calcola per vedere i risultati. Un esempio: per sapere quanti byte, kilobyte e gigabyte ci sono in 100 megabyte, digitare 100 nel campo NUMERO DA CONVERTIRE, selezionare MEGABYTE nella sezione UNITÀ DI MISURA e fare clic su CALCOLA. I risultati compaiono nella sezione RISULTATI.</translation>
    </message>
    <message>
        <source>The text was not pasted: the entry holds at most 32767 characters.</source>
        <translation>Il testo non è stato incollato: il campo accetta al massimo 32.767 caratteri.</translation>
    </message>
</context>
</TS>
