<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el">
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close the About window</source>
        <translation>Κλείσιμο του παραθύρου «Σχετικά»</translation>
    </message>
    <message>
        <source>Program picture</source>
        <translation>Εικόνα του προγράμματος</translation>
    </message>
    <message>
        <source>A diskette</source>
        <translation>Δισκέτα</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>Διεύθυνση ιστού</translation>
    </message>
    <message>
        <source>The Mensurex was developed as a simple tool to quickly and easily calculate bytes, kilobytes, megabytes, gigabytes, terabytes, petabytes and exabytes.</source>
        <translation>Το Mensurex αναπτύχθηκε ως ένα απλό εργαλείο για γρήγορη και εύκολη μετατροπή μεταξύ byte, kilobyte, megabyte, gigabyte, terabyte, petabyte και exabyte.</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Περιγραφή</translation>
    </message>
    <message>
        <source>Application title</source>
        <translation>Όνομα προγράμματος</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Έκδοση</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Αποποίηση ευθύνης</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About window&apos;s caption; %1 is the application title.</extracomment>
        <translation>Σχετικά με το %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>The About window&apos;s version line; %1 is the version, e.g. 2.0.</extracomment>
        <translation>Έκδοση %1</translation>
    </message>
    <message>
        <source>Mensurex 2 is free software under the MIT License, with no warranty. Please report problems to mensurex@example.org.</source>
        <translation>Το Mensurex 2 είναι ελεύθερο λογισμικό υπό την άδεια MIT, χωρίς καμία εγγύηση. Αναφέρετε τα προβλήματα στο mensurex@example.org.</translation>
    </message>
</context>
</TS>
