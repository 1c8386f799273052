<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close the About window</source>
        <translation>Fermer la fenêtre «&#xa0;À propos&#xa0;»</translation>
    </message>
    <message>
        <source>Program picture</source>
        <translation>Icône du programme</translation>
    </message>
    <message>
        <source>A diskette</source>
        <translation>Disquette</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>Adresse web</translation>
    </message>
    <message>
        <source>The Mensurex was developed as a simple tool to quickly and easily calculate bytes, kilobytes, megabytes, gigabytes, terabytes, petabytes and exabytes.</source>
        <translation>Mensurex a été conçu comme un outil simple pour convertir rapidement et facilement des octets, kilooctets, mégaoctets, gigaoctets, téraoctets, pétaoctets et exaoctets.</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Application title</source>
        <translation>Nom de l&apos;application</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Clause de non-responsabilité</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About window&apos;s caption; %1 is the application title.</extracomment>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>The About window&apos;s version line; %1 is the version, e.g. 2.0.</extracomment>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Mensurex 2 is free software under the MIT License, with no warranty. Please report problems to mensurex@example.org.</source>
        <translation>Mensurex 2 est un logiciel libre sous licence MIT, sans aucune garantie. Merci de signaler tout problème à mensurex@example.org.</translation>
    </message>
</context>
</TS>
