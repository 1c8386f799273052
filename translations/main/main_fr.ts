<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>frmMain</name>
    <message>
        <source>Result in bytes</source>
        <translation>Résultat en octets</translation>
    </message>
    <message>
        <source>Result in kilobytes</source>
        <translation>Résultat en kilooctets</translation>
    </message>
    <message>
        <source>Result in megabytes</source>
        <translation>Résultat en mégaoctets</translation>
    </message>
    <message>
        <source>Result in gigabytes</source>
        <translation>Résultat en gigaoctets</translation>
    </message>
    <message>
        <source>Result in terabytes</source>
        <translation>Résultat en téraoctets</translation>
    </message>
    <message>
        <source>Result in petabytes</source>
        <translation>Résultat en pétaoctets</translation>
    </message>
    <message>
        <source>Result in exabytes</source>
        <translation>Résultat en exaoctets</translation>
    </message>
    <message>
        <source>Enter Number to Convert</source>
        <translation>Nombre à convertir</translation>
    </message>
    <message>
        <source>Enter the number you wish to convert</source>
        <translation>Saisissez le nombre à convertir</translation>
    </message>
    <message>
        <source>Number to convert</source>
        <translation>Nombre à convertir</translation>
    </message>
    <message>
        <source>Entry Criteria</source>
        <translation>Unité de saisie</translation>
    </message>
    <message>
        <source>Select the criteria for the number to convert you entered</source>
        <translation>Choisissez l&apos;unité dans laquelle le nombre est saisi</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>C&amp;alculate</source>
        <translation>&amp;Calculer</translation>
    </message>
    <message>
        <source>&amp;Print Form</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Fer&amp;mer</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Print Form</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Mode d&apos;emploi</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>You must enter a valid numeric amount .</source>
        <translation>Vous devez saisir une valeur numérique valide.</translation>
    </message>
    <message>
        <source>The amount is too large to convert.</source>
        <translation>La valeur est trop grande pour être convertie.</translation>
    </message>
    <message>
        <source>The text was not pasted: the entry holds at most 32767 characters.</source>
        <translation>Le texte n&apos;a pas été collé&#xa0;: la zone de saisie accepte au plus 32&#xa0;767 caractères.</translation>
    </message>
    <message>
        <source>There has been an error printing this form.</source>
        <translation>Une erreur s&apos;est produite lors de l&apos;impression de cette fenêtre.</translation>
    </message>
    <message>
        <source>The page may have printed: the printer did not answer in time. Check the printer before you print again.</source>
        <translation>La page a peut-être été imprimée&#xa0;: l&apos;imprimante n&apos;a pas répondu à temps. Vérifiez l&apos;imprimante avant de relancer l&apos;impression.</translation>
    </message>
    <message>
        <source>To use the Mensurex, simply add a numberical value in the ENTER NUMBER TO CONVERT box. Select the appropriate criteria you wish to convert, byte, kilobyte, megabyte or gigabyte. Next, click the Calculate button to view the results. As an example, if you wanted to see how many bytes, kilobytes and gigabytess were in 100 megabytes, simply type 100 in the ENTER NUMBER TO CONVERT field and select MEGABYTES in the CRITERIA section, then click CALCULATE.  View the results in the RESULTS section.</source>
        <translation>Pour utiliser Mensurex, saisissez simplement une valeur numérique dans la zone NOMBRE À CONVERTIR. Choisissez l&apos;unité dans laquelle ce nombre est exprimé, par exemple octet, kilooctet, mégaoctet ou gigaoctet. Cliquez ensuite sur le bouton Calculer pour afficher les résultats. Ainsi, pour savoir combien d&apos;octets, de kilooctets et de gigaoctets contiennent 100&#xa0;mégaoctets, tapez 100 dans la zone NOMBRE À CONVERTIR, choisissez MÉGAOCTET dans la zone UNITÉ DE SAISIE, puis cliquez sur CALCULER. Les résultats s&apos;affichent dans la zone RÉSULTATS.</translation>
    </message>
    <message>
        <source>Bytes</source>
        <comment>unit option button</comment>
        <translation>Octet</translation>
    </message>
    <message>
        <source>Kilobytes</source>
        <comment>unit option button</comment>
        <translation>Kilooctet</translation>
    </message>
    <message>
        <source>Megabytes</source>
        <comment>unit option button</comment>
        <translation>Mégaoctet</translation>
    </message>
    <message>
        <source>Gigabytes</source>
        <comment>unit option button</comment>
        <translation>Gigaoctet</translation>
    </message>
    <message>
        <source>Terabytes</source>
        <comment>unit option button</comment>
        <translation>Téraoctet</translation>
    </message>
    <message>
        <source>Petabytes</source>
        <comment>unit option button</comment>
        <translation>Pétaoctet</translation>
    </message>
    <message>
        <source>Exabytes</source>
        <comment>unit option button</comment>
        <translation>Exaoctet</translation>
    </message>
    <message>
        <source>Bytes</source>
        <comment>result label</comment>
        <translation>Octets</translation>
    </message>
    <message>
        <source>Kilobytes</source>
        <comment>result label</comment>
        <translation>Kilooctet</translation>
    </message>
    <message>
        <source>Megabytes</source>
        <comment>result label</comment>
        <translation>Mégaoctets</translation>
    </message>
    <message>
        <source>Gigabytes</source>
        <comment>result label</comment>
        <translation>Gigaoctets</translation>
    </message>
    <message>
        <source>Terabytes</source>
        <comment>result label</comment>
        <translation>Téraoctets</translation>
    </message>
    <message>
        <source>Petabytes</source>
        <comment>result label</comment>
        <translation>Pétaoctets</translation>
    </message>
    <message>
        <source>Exabytes</source>
        <comment>result label</comment>
        <translation>Exaoctets</translation>
    </message>
</context>
</TS>
