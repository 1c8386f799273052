<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
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
</TS>
