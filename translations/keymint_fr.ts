<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>PasswordListFile</name>
    <message>
        <source>The text holds characters that the password list&apos;s encoding cannot store.</source>
        <translation>Le texte contient des caractères que l&apos;encodage de la liste de mots de passe ne peut pas enregistrer.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About...</source>
        <translation>À propos...</translation>
    </message>
    <message>
        <source>Tumblekey v1.5 for Windows 95/98/NT</source>
        <translation>Tumblekey v1.5 pour Windows 95/98/NT</translation>
    </message>
    <message>
        <source>Copyright (C) 1998 the Tumblekey authors. This program is freeware.</source>
        <translation>Copyright (C) 1998 les auteurs de Tumblekey. Ce programme est un logiciel gratuit.</translation>
    </message>
    <message>
        <source>Made anew as Keymint by its developers, with Qt 6.</source>
        <translation>Recréé sous le nom de Keymint par ses développeurs, avec Qt 6.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>This release 7/18/98.</source>
        <translation>Version du 18/07/98.</translation>
    </message>
    <message>
        <source>Keymint logo</source>
        <translation>Logo de Keymint</translation>
    </message>
</context>
<context>
    <name>frmHowit</name>
    <message>
        <source>How it works...</source>
        <translation>Fonctionnement...</translation>
    </message>
    <message>
        <source>Tumblekey works by generating random numbers, each lying between 1 and 36. Each of the numbers maps to a corresponding letter of the alphabet and the numerics system. 1=a, 2=b, 27=1, and so on. It then throws them all together to form the password. That&apos;s it in a nutshell. It is the equivalent of closing your eyes and hitting however many random keys on your keyboard, except it&apos;s easier and does no physical damage. :)</source>
        <translation>Tumblekey fonctionne en générant des nombres aléatoires, chacun compris entre 1 et 36. Chaque nombre correspond à une lettre de l&apos;alphabet ou à un chiffre&#xa0;: 1=a, 2=b, 27=1 et ainsi de suite. Puis il les met tous bout à bout pour former le mot de passe. Voilà le principe en deux mots. C&apos;est l&apos;équivalent de fermer les yeux et de taper au hasard sur autant de touches du clavier que vous voulez, sauf que c&apos;est plus facile et que ça ne fait aucun dégât. :)</translation>
    </message>
    <message>
        <source>When you consider the fact that there are 36 possibilities for each digit in a 10 digit password, the probability of someone guessing your generated password is equal to 36 to the 10th power. Believe me, it&apos;s rare.</source>
        <translation>Quand on sait qu&apos;il y a 36 possibilités pour chaque caractère d&apos;un mot de passe de 10 caractères, quelqu&apos;un a une chance sur 36 puissance 10 de deviner votre mot de passe généré. Croyez-moi, c&apos;est rare.</translation>
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
        <translation>Mode d&apos;emploi...</translation>
    </message>
    <message>
        <source>-To generate a completely RANDOM password, just click the &quot;Generate&quot; button in the main window. A new password will pop up in the text box.</source>
        <translation>-Pour un mot de passe totalement ALÉATOIRE, cliquez sur «&#xa0;Générer&#xa0;» dans la fenêtre principale. Le nouveau mot de passe apparaît dans la zone de texte.</translation>
    </message>
    <message>
        <source>-To save your password to your current password list, double-click the password box. The password will be added to the end of the password list in the directory the program is installed in.</source>
        <translation>-Pour enregistrer votre mot de passe dans votre liste de mots de passe actuelle, double-cliquez sur la zone du mot de passe. Il sera ajouté à la fin de la liste, dans le dossier où le programme est installé.</translation>
    </message>
    <message>
        <source>-To create a password with numbers in it, check the &quot;Alphanumeric&quot; checkbox. To create a password without numbers, uncheck it again.</source>
        <translation>-Pour créer un mot de passe contenant des chiffres, cochez la case «&#xa0;Alphanumérique&#xa0;». Pour créer un mot de passe sans chiffres, décochez-la.</translation>
    </message>
    <message>
        <source>-To change the amount of characters in a generated password, move the slider bar. The number of characters will appear to the right.</source>
        <translation>-Pour modifier le nombre de caractères du mot de passe généré, déplacez le curseur. Le nombre de caractères s&apos;affiche à droite.</translation>
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
        <translation>Instructions&#xa0;:</translation>
    </message>
    <message>
        <source>To generate a random password, simply click the Generate button. Your password will appear in the text box below. You can then copy and paste it into a textfile for use. View the &quot;How to&quot; for more information.</source>
        <translation>Pour générer un mot de passe aléatoire, cliquez simplement sur le bouton Générer. Il apparaîtra dans la zone de texte ci-dessous. Vous pourrez ensuite le copier-coller dans un fichier texte pour l&apos;utiliser. Consultez «&#xa0;Mode d&apos;emploi&#xa0;» pour en savoir plus.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Générer</translation>
    </message>
    <message>
        <source>How To...</source>
        <translation>Mode d&apos;emploi...</translation>
    </message>
    <message>
        <source>How it works...</source>
        <translation>Fonctionnement...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Password length</source>
        <translation>Longueur du mot de passe</translation>
    </message>
    <message>
        <source>Number of Characters to generate</source>
        <translation>Nombre de caractères à générer</translation>
    </message>
    <message>
        <source>Alphanumeric</source>
        <translation>Alphanumérique</translation>
    </message>
    <message>
        <source>Password Not Added</source>
        <translation>Mot de passe non ajouté</translation>
    </message>
    <message>
        <source>Your password could not be added to your password list,
%1:

%2</source>
        <translation>Votre mot de passe n&apos;a pas pu être ajouté à votre liste de mots de passe,
%1&#xa0;:

%2</translation>
    </message>
    <message>
        <source>Password Added</source>
        <translation>Mot de passe ajouté</translation>
    </message>
    <message>
        <source>Your password has been added to the end of your password list.</source>
        <translation>Votre mot de passe a été ajouté à la fin de votre liste de mots de passe.</translation>
    </message>
    <message>
        <source>Generate a password!</source>
        <translation>Générez un mot de passe&#xa0;!</translation>
    </message>
    <message>
        <source>Copy new password from here</source>
        <translation>Copiez ici le nouveau mot de passe</translation>
    </message>
    <message>
        <source>Select the number of characters to generate</source>
        <translation>Choisissez le nombre de caractères à générer</translation>
    </message>
    <message>
        <source>Determines whether numbers are used as well</source>
        <translation>Détermine si des chiffres sont aussi utilisés</translation>
    </message>
    <message>
        <source>Click here for How To information</source>
        <translation>Cliquez ici pour le mode d&apos;emploi</translation>
    </message>
    <message>
        <source>Click here to see how it&apos;s done</source>
        <translation>Cliquez ici pour voir comment ça marche</translation>
    </message>
    <message>
        <source>Learn about the program</source>
        <translation>En savoir plus sur le programme</translation>
    </message>
    <message>
        <source>Exit Tumblekey</source>
        <translation>Quitter Tumblekey</translation>
    </message>
</context>
</TS>
