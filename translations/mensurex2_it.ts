<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>Ann&amp;ulla</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rifai</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Taglia</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Incolla</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
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
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>The Mensurex was developed as a simple tool to quickly and easily calculate bytes, kilobytes, megabytes, gigabytes, terabytes, petabytes and exabytes.</source>
        <translation>Mensurex è stato sviluppato come semplice strumento per convertire in modo rapido e facile byte, kilobyte, megabyte, gigabyte, terabyte, petabyte ed exabyte.</translation>
    </message>
    <message>
        <source>Mensurex 2 is free software under the MIT License, with no warranty. Please report problems to mensurex@example.org.</source>
        <translation>Mensurex 2 è software libero con licenza MIT, senza alcuna garanzia. Segnalare eventuali problemi a mensurex@example.org.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close the About window</source>
        <translation>Chiude la finestra «Informazioni»</translation>
    </message>
    <message>
        <source>Program picture</source>
        <translation>Immagine del programma</translation>
    </message>
    <message>
        <source>A diskette</source>
        <translation>Un dischetto</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>Indirizzo web</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>Application title</source>
        <translation>Nome del programma</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>The About window&apos;s version line; %1 is the version, e.g. 2.0.</extracomment>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versione</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Esclusione di responsabilità</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About window&apos;s caption; %1 is the application title.</extracomment>
        <translation>Informazioni su %1</translation>
    </message>
</context>
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
