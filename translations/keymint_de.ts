<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>PasswordListFile</name>
    <message>
        <source>The text holds characters that the password list&apos;s encoding cannot store.</source>
        <translation>Der Text enthält Zeichen, die in der Zeichenkodierung der Passwortliste nicht gespeichert werden können.</translation>
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
        <translation>Tumblekey v1.5 für Windows 95/98/NT</translation>
    </message>
    <message>
        <source>Copyright (C) 1998 the Tumblekey authors. This program is freeware.</source>
        <translation>Copyright (C) 1998 die Autoren von Tumblekey. Dieses Programm ist Freeware.</translation>
    </message>
    <message>
        <source>Made anew as Keymint by its developers, with Qt 6.</source>
        <translation>Als Keymint von seinen Entwicklern mit Qt&#xa0;6 neu umgesetzt.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>This release 7/18/98.</source>
        <translation>Diese Version: 18.07.98.</translation>
    </message>
    <message>
        <source>Keymint logo</source>
        <translation>Keymint-Logo</translation>
    </message>
</context>
<context>
    <name>frmHowit</name>
    <message>
        <source>How it works...</source>
        <translation>Funktionsweise...</translation>
    </message>
    <message>
        <source>Tumblekey works by generating random numbers, each lying between 1 and 36. Each of the numbers maps to a corresponding letter of the alphabet and the numerics system. 1=a, 2=b, 27=1, and so on. It then throws them all together to form the password. That&apos;s it in a nutshell. It is the equivalent of closing your eyes and hitting however many random keys on your keyboard, except it&apos;s easier and does no physical damage. :)</source>
        <translation>Tumblekey erzeugt Zufallszahlen, jede zwischen 1 und 36. Jeder dieser Zahlen entspricht ein Buchstabe des Alphabets oder eine Ziffer: 1=a, 2=b, 27=1 und so weiter. Dann wirft es sie alle zusammen, und fertig ist das Passwort. Das ist, kurz gesagt, schon alles. Es ist so, als würden Sie mit geschlossenen Augen wahllos auf beliebig viele Tasten Ihrer Tastatur hauen, nur einfacher und ohne dass dabei etwas zu Bruch geht. :)</translation>
    </message>
    <message>
        <source>When you consider the fact that there are 36 possibilities for each digit in a 10 digit password, the probability of someone guessing your generated password is equal to 36 to the 10th power. Believe me, it&apos;s rare.</source>
        <translation>Bedenken Sie: Bei einem 10-stelligen Passwort gibt es für jede Stelle 36 Möglichkeiten. Die Chance, dass jemand Ihr generiertes Passwort errät, liegt also bei 1 zu 36 hoch 10. Glauben Sie mir, das kommt selten vor.</translation>
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
        <translation>Anleitung...</translation>
    </message>
    <message>
        <source>-To generate a completely RANDOM password, just click the &quot;Generate&quot; button in the main window. A new password will pop up in the text box.</source>
        <translation>-Für ein völlig ZUFÄLLIGES Passwort klicken Sie im Hauptfenster einfach auf die Schaltfläche „Generieren“. Im Textfeld erscheint dann ein neues Passwort.</translation>
    </message>
    <message>
        <source>-To save your password to your current password list, double-click the password box. The password will be added to the end of the password list in the directory the program is installed in.</source>
        <translation>-Um Ihr Passwort in Ihrer aktuellen Passwortliste zu speichern, doppelklicken Sie auf das Passwortfeld. Das Passwort wird ans Ende der Passwortliste angehängt, die im Installationsverzeichnis des Programms liegt.</translation>
    </message>
    <message>
        <source>-To create a password with numbers in it, check the &quot;Alphanumeric&quot; checkbox. To create a password without numbers, uncheck it again.</source>
        <translation>-Für ein Passwort mit Ziffern aktivieren Sie das Kontrollkästchen „Alphanumerisch“. Für ein Passwort ohne Ziffern deaktivieren Sie es wieder.</translation>
    </message>
    <message>
        <source>-To change the amount of characters in a generated password, move the slider bar. The number of characters will appear to the right.</source>
        <translation>-Um die Zeichenanzahl eines generierten Passworts zu ändern, verschieben Sie den Schieberegler. Die Anzahl der Zeichen wird rechts daneben angezeigt.</translation>
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
        <translation>Kurzanleitung:</translation>
    </message>
    <message>
        <source>To generate a random password, simply click the Generate button. Your password will appear in the text box below. You can then copy and paste it into a textfile for use. View the &quot;How to&quot; for more information.</source>
        <translation>Um ein zufälliges Passwort zu generieren, klicken Sie einfach auf „Generieren“. Ihr Passwort erscheint im Textfeld darunter. Sie können es dann kopieren und zur Verwendung in eine Textdatei einfügen. Mehr dazu unter „Anleitung“.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Generieren</translation>
    </message>
    <message>
        <source>How To...</source>
        <translation>Anleitung...</translation>
    </message>
    <message>
        <source>How it works...</source>
        <translation>Funktionsweise...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Password length</source>
        <translation>Passwortlänge</translation>
    </message>
    <message>
        <source>Number of Characters to generate</source>
        <translation>Anzahl der zu generierenden Zeichen</translation>
    </message>
    <message>
        <source>Alphanumeric</source>
        <translation>Alphanumerisch</translation>
    </message>
    <message>
        <source>Password Not Added</source>
        <translation>Passwort nicht hinzugefügt</translation>
    </message>
    <message>
        <source>Your password could not be added to your password list,
%1:

%2</source>
        <translation>Ihr Passwort konnte Ihrer Passwortliste nicht hinzugefügt werden,
%1:

%2</translation>
    </message>
    <message>
        <source>Password Added</source>
        <translation>Passwort hinzugefügt</translation>
    </message>
    <message>
        <source>Your password has been added to the end of your password list.</source>
        <translation>Ihr Passwort wurde ans Ende Ihrer Passwortliste angehängt.</translation>
    </message>
    <message>
        <source>Generate a password!</source>
        <translation>Ein Passwort generieren!</translation>
    </message>
    <message>
        <source>Copy new password from here</source>
        <translation>Neues Passwort hier kopieren</translation>
    </message>
    <message>
        <source>Select the number of characters to generate</source>
        <translation>Anzahl der zu generierenden Zeichen wählen</translation>
    </message>
    <message>
        <source>Determines whether numbers are used as well</source>
        <translation>Legt fest, ob auch Ziffern verwendet werden</translation>
    </message>
    <message>
        <source>Click here for How To information</source>
        <translation>Hier klicken für die Anleitung</translation>
    </message>
    <message>
        <source>Click here to see how it&apos;s done</source>
        <translation>Hier klicken, um zu sehen, wie es funktioniert</translation>
    </message>
    <message>
        <source>Learn about the program</source>
        <translation>Infos zum Programm</translation>
    </message>
    <message>
        <source>Exit Tumblekey</source>
        <translation>Tumblekey beenden</translation>
    </message>
</context>
</TS>
