<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el">
<context>
    <name>frmMain</name>
    <message>
        <source>Result in bytes</source>
        <translation>Αποτέλεσμα σε byte</translation>
    </message>
    <message>
        <source>Result in kilobytes</source>
        <translation>Αποτέλεσμα σε kilobyte</translation>
    </message>
    <message>
        <source>Result in megabytes</source>
        <translation>Αποτέλεσμα σε megabyte</translation>
    </message>
    <message>
        <source>Result in gigabytes</source>
        <translation>Αποτέλεσμα σε gigabyte</translation>
    </message>
    <message>
        <source>Result in terabytes</source>
        <translation>Αποτέλεσμα σε terabyte</translation>
    </message>
    <message>
        <source>Result in petabytes</source>
        <translation>Αποτέλεσμα σε petabyte</translation>
    </message>
    <message>
        <source>Result in exabytes</source>
        <translation>Αποτέλεσμα σε exabyte</translation>
    </message>
    <message>
        <source>Enter Number to Convert</source>
        <translation>Εισαγάγετε αριθμό</translation>
    </message>
    <message>
        <source>Enter the number you wish to convert</source>
        <translation>Εισαγάγετε τον αριθμό που θέλετε να μετατρέψετε</translation>
    </message>
    <message>
        <source>Number to convert</source>
        <translation>Αριθμός προς μετατροπή</translation>
    </message>
    <message>
        <source>Entry Criteria</source>
        <translation>Μονάδα</translation>
    </message>
    <message>
        <source>Select the criteria for the number to convert you entered</source>
        <translation>Επιλέξτε τη μονάδα του αριθμού που εισαγάγατε</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Καθαρισμός</translation>
    </message>
    <message>
        <source>C&amp;alculate</source>
        <translation>&amp;Υπολογισμός</translation>
    </message>
    <message>
        <source>&amp;Print Form</source>
        <translation>Ε&amp;κτύπωση</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Κλεί&amp;σιμο</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Υπολογισμός</translation>
    </message>
    <message>
        <source>Print Form</source>
        <translation>Εκτύπωση</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Αποτελέσματα</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Αρχείο</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Έ&amp;ξοδος</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Βοήθεια</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Οδηγίες</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>&amp;Σχετικά</translation>
    </message>
    <message>
        <source>You must enter a valid numeric amount .</source>
        <translation>Πρέπει να εισαγάγετε έναν έγκυρο αριθμό.</translation>
    </message>
    <message>
        <source>The amount is too large to convert.</source>
        <translation>Ο αριθμός είναι πολύ μεγάλος για μετατροπή.</translation>
    </message>
    <message>
        <source>The text was not pasted: the entry holds at most 32767 characters.</source>
        <translation>Το κείμενο δεν επικολλήθηκε: το πεδίο χωράει έως 32.767 χαρακτήρες.</translation>
    </message>
    <message>
        <source>There has been an error printing this form.</source>
        <translation>Παρουσιάστηκε σφάλμα κατά την εκτύπωση του παραθύρου.</translation>
    </message>
    <message>
        <source>The page may have printed: the printer did not answer in time. Check the printer before you print again.</source>
        <translation>Η σελίδα ίσως έχει ήδη τυπωθεί: ο εκτυπωτής δεν απάντησε εγκαίρως. Ελέγξτε τον εκτυπωτή πριν εκτυπώσετε ξανά.</translation>
    </message>
    <message>
        <source>To use the Mensurex, simply add a numberical value in the ENTER NUMBER TO CONVERT box. Select the appropriate criteria you wish to convert, byte, kilobyte, megabyte or gigabyte. Next, click the Calculate button to view the results. As an example, if you wanted to see how many bytes, kilobytes and gigabytess were in 100 megabytes, simply type 100 in the ENTER NUMBER TO CONVERT field and select MEGABYTES in the CRITERIA section, then click CALCULATE.  View the results in the RESULTS section.</source>
        <translation>Για να χρησιμοποιήσετε το Mensurex, πληκτρολογήστε μια αριθμητική τιμή στο πεδίο «Εισαγάγετε αριθμό» και επιλέξτε τη μονάδα της, π.χ. byte, kilobyte, megabyte ή gigabyte. Έπειτα πατήστε το κουμπί «Υπολογισμός» για να δείτε τα αποτελέσματα. Για παράδειγμα, για να μάθετε πόσα byte, kilobyte και gigabyte είναι τα 100 megabyte, πληκτρολογήστε 100 στο πεδίο «Εισαγάγετε αριθμό», επιλέξτε «Megabyte» στην ενότητα «Μονάδα» και πατήστε «Υπολογισμός». Τα αποτελέσματα εμφανίζονται στην ενότητα «Αποτελέσματα».</translation>
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
