<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the About window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A diskette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Mensurex was developed as a simple tool to quickly and easily calculate bytes, kilobytes, megabytes, gigabytes, terabytes, petabytes and exabytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About window&apos;s caption; %1 is the application title.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>The About window&apos;s version line; %1 is the version, e.g. 2.0.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mensurex 2 is free software under the MIT License, with no warranty. Please report problems to mensurex@example.org.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Result in bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result in kilobytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result in megabytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result in gigabytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result in terabytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result in petabytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result in exabytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Number to Convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the number you wish to convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number to convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entry Criteria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the criteria for the number to convert you entered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;alculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must enter a valid numeric amount .</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The amount is too large to convert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text was not pasted: the entry holds at most 32767 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There has been an error printing this form.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To use the Mensurex, simply add a numberical value in the ENTER NUMBER TO CONVERT box. Select the appropriate criteria you wish to convert, byte, kilobyte, megabyte or gigabyte. Next, click the Calculate button to view the results. As an example, if you wanted to see how many bytes, kilobytes and gigabytess were in 100 megabytes, simply type 100 in the ENTER NUMBER TO CONVERT field and select MEGABYTES in the CRITERIA section, then click CALCULATE.  View the results in the RESULTS section.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bytes</source>
        <comment>unit option button</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kilobytes</source>
        <comment>unit option button</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Megabytes</source>
        <comment>unit option button</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gigabytes</source>
        <comment>unit option button</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terabytes</source>
        <comment>unit option button</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Petabytes</source>
        <comment>unit option button</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exabytes</source>
        <comment>unit option button</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bytes</source>
        <comment>result label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kilobytes</source>
        <comment>result label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Megabytes</source>
        <comment>result label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gigabytes</source>
        <comment>result label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terabytes</source>
        <comment>result label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Petabytes</source>
        <comment>result label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exabytes</source>
        <comment>result label</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
