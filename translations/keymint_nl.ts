<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>PasswordListFile</name>
    <message>
        <source>The text holds characters that the password list&apos;s encoding cannot store.</source>
        <translation>De tekst bevat tekens die de codering van de wachtwoordlijst niet kan opslaan.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About...</source>
        <translation>Info...</translation>
    </message>
    <message>
        <source>Tumblekey v1.5 for Windows 95/98/NT</source>
        <translation>Tumblekey v1.5 voor Windows 95/98/NT</translation>
    </message>
    <message>
        <source>Copyright (C) 1998 the Tumblekey authors. This program is freeware.</source>
        <translation>Copyright (C) 1998 de makers van Tumblekey. Dit programma is freeware.</translation>
    </message>
    <message>
        <source>Made anew as Keymint by its developers, with Qt 6.</source>
        <translation>Opnieuw gemaakt als Keymint door zijn ontwikkelaars, met Qt 6.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>This release 7/18/98.</source>
        <translation>Deze versie: 18-07-98.</translation>
    </message>
    <message>
        <source>Keymint logo</source>
        <translation>Keymint-logo</translation>
    </message>
</context>
<context>
    <name>frmHowit</name>
    <message>
        <source>How it works...</source>
        <translation>Hoe het werkt...</translation>
    </message>
    <message>
        <source>Tumblekey works by generating random numbers, each lying between 1 and 36. Each of the numbers maps to a corresponding letter of the alphabet and the numerics system. 1=a, 2=b, 27=1, and so on. It then throws them all together to form the password. That&apos;s it in a nutshell. It is the equivalent of closing your eyes and hitting however many random keys on your keyboard, except it&apos;s easier and does no physical damage. :)</source>
        <translation>Tumblekey werkt door willekeurige getallen te genereren, elk tussen 1 en 36. Elk getal staat voor een letter van het alfabet of een cijfer: 1=a, 2=b, 27=1, enzovoort. Daarna gooit het ze allemaal bij elkaar, en klaar is het wachtwoord. Dat is het in een notendop. Het is net alsof je met je ogen dicht op een willekeurig aantal toetsen van je toetsenbord ramt, alleen is het makkelijker en gaat er niets kapot. :)</translation>
    </message>
    <message>
        <source>When you consider the fact that there are 36 possibilities for each digit in a 10 digit password, the probability of someone guessing your generated password is equal to 36 to the 10th power. Believe me, it&apos;s rare.</source>
        <translation>Bedenk dat er bij een wachtwoord van 10 tekens voor elk teken 36 mogelijkheden zijn. De kans dat iemand je gegenereerde wachtwoord raadt, is dus 1 op 36 tot de tiende macht. Geloof me, dat gebeurt niet vaak.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>frmHowto</name>
    <message>
        <source>How to...</source>
        <translation>Handleiding...</translation>
    </message>
    <message>
        <source>-To generate a completely RANDOM password, just click the &quot;Generate&quot; button in the main window. A new password will pop up in the text box.</source>
        <translation>-Voor een volledig WILLEKEURIG wachtwoord klik je in het hoofdvenster gewoon op “Genereren”. Er verschijnt dan een nieuw wachtwoord in het tekstvak.</translation>
    </message>
    <message>
        <source>-To save your password to your current password list, double-click the password box. The password will be added to the end of the password list in the directory the program is installed in.</source>
        <translation>-Om je wachtwoord in je huidige wachtwoordlijst op te slaan, dubbelklik je op het wachtwoordvak. Het wachtwoord wordt dan achteraan toegevoegd aan de wachtwoordlijst in de map waarin het programma is geïnstalleerd.</translation>
    </message>
    <message>
        <source>-To create a password with numbers in it, check the &quot;Alphanumeric&quot; checkbox. To create a password without numbers, uncheck it again.</source>
        <translation>-Om een wachtwoord met cijfers te maken, vink je het selectievakje “Alfanumeriek” aan. Voor een wachtwoord zonder cijfers vink je het weer uit.</translation>
    </message>
    <message>
        <source>-To change the amount of characters in a generated password, move the slider bar. The number of characters will appear to the right.</source>
        <translation>-Om het aantal tekens van een gegenereerd wachtwoord te wijzigen, versleep je de schuifregelaar. Het aantal tekens verschijnt rechts ervan.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Directions:</source>
        <translation>Aanwijzingen:</translation>
    </message>
    <message>
        <source>To generate a random password, simply click the Generate button. Your password will appear in the text box below. You can then copy and paste it into a textfile for use. View the &quot;How to&quot; for more information.</source>
        <translation>Klik gewoon op de knop “Genereren” om een willekeurig wachtwoord te maken. Je wachtwoord verschijnt in het tekstvak hieronder. Daarna kun je het kopiëren en in een tekstbestand plakken om het te gebruiken. Zie de “Handleiding” voor meer informatie.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Wachtwoord</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Genereren</translation>
    </message>
    <message>
        <source>How To...</source>
        <translation>Handleiding...</translation>
    </message>
    <message>
        <source>How it works...</source>
        <translation>Hoe het werkt...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Password length</source>
        <translation>Wachtwoordlengte</translation>
    </message>
    <message>
        <source>Number of Characters to generate</source>
        <translation>Aantal te genereren tekens</translation>
    </message>
    <message>
        <source>Alphanumeric</source>
        <translation>Alfanumeriek</translation>
    </message>
    <message>
        <source>Password Not Added</source>
        <translation>Wachtwoord niet toegevoegd</translation>
    </message>
    <message>
        <source>Your password could not be added to your password list,
%1:

%2</source>
        <translation>Je wachtwoord kon niet aan je wachtwoordlijst worden toegevoegd,
%1:

%2</translation>
    </message>
    <message>
        <source>Password Added</source>
        <translation>Wachtwoord toegevoegd</translation>
    </message>
    <message>
        <source>Your password has been added to the end of your password list.</source>
        <translation>Je wachtwoord is aan het einde van je wachtwoordlijst toegevoegd.</translation>
    </message>
    <message>
        <source>Generate a password!</source>
        <translation>Genereer een wachtwoord!</translation>
    </message>
    <message>
        <source>Copy new password from here</source>
        <translation>Kopieer het nieuwe wachtwoord uit dit vak</translation>
    </message>
    <message>
        <source>Select the number of characters to generate</source>
        <translation>Kies het aantal te genereren tekens</translation>
    </message>
    <message>
        <source>Determines whether numbers are used as well</source>
        <translation>Bepaalt of er ook cijfers worden gebruikt</translation>
    </message>
    <message>
        <source>Click here for How To information</source>
        <translation>Klik hier voor de handleiding</translation>
    </message>
    <message>
        <source>Click here to see how it&apos;s done</source>
        <translation>Klik hier om te zien hoe het werkt</translation>
    </message>
    <message>
        <source>Learn about the program</source>
        <translation>Meer over het programma</translation>
    </message>
    <message>
        <source>Exit Tumblekey</source>
        <translation>Tumblekey afsluiten</translation>
    </message>
</context>
</TS>
