<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>PasswordListFile</name>
    <message>
        <source>The text holds characters that the password list&apos;s encoding cannot store.</source>
        <translation>Il testo contiene caratteri che la codifica dell&apos;elenco delle password non è in grado di memorizzare.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About...</source>
        <translation>Informazioni...</translation>
    </message>
    <message>
        <source>Tumblekey v1.5 for Windows 95/98/NT</source>
        <translation>Tumblekey v1.5 per Windows 95/98/NT</translation>
    </message>
    <message>
        <source>Copyright (C) 1998 the Tumblekey authors. This program is freeware.</source>
        <translation>Copyright (C) 1998 gli autori di Tumblekey. Questo programma è freeware.</translation>
    </message>
    <message>
        <source>Made anew as Keymint by its developers, with Qt 6.</source>
        <translation>Ricreato come Keymint dai suoi sviluppatori, con Qt 6.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>This release 7/18/98.</source>
        <translation>Versione del 18/07/98.</translation>
    </message>
    <message>
        <source>Keymint logo</source>
        <translation>Logo di Keymint</translation>
    </message>
</context>
<context>
    <name>frmHowit</name>
    <message>
        <source>How it works...</source>
        <translation>Come funziona...</translation>
    </message>
    <message>
        <source>Tumblekey works by generating random numbers, each lying between 1 and 36. Each of the numbers maps to a corresponding letter of the alphabet and the numerics system. 1=a, 2=b, 27=1, and so on. It then throws them all together to form the password. That&apos;s it in a nutshell. It is the equivalent of closing your eyes and hitting however many random keys on your keyboard, except it&apos;s easier and does no physical damage. :)</source>
        <translation>Tumblekey funziona generando numeri casuali, ciascuno compreso tra 1 e 36. Ogni numero corrisponde a una lettera dell&apos;alfabeto o a una cifra: 1=a, 2=b, 27=1 e così via. Poi li mette tutti insieme per formare la password. Tutto qui, in poche parole. È come chiudere gli occhi e premere a caso tutti i tasti che vuoi sulla tastiera, solo che è più facile e non si rompe niente. :)</translation>
    </message>
    <message>
        <source>When you consider the fact that there are 36 possibilities for each digit in a 10 digit password, the probability of someone guessing your generated password is equal to 36 to the 10th power. Believe me, it&apos;s rare.</source>
        <translation>Se consideri che per ogni carattere di una password di 10 caratteri ci sono 36 possibilità, la probabilità che qualcuno indovini la password generata è di una su 36 elevato alla decima. Credimi, capita di rado.</translation>
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
        <translation>Come fare...</translation>
    </message>
    <message>
        <source>-To generate a completely RANDOM password, just click the &quot;Generate&quot; button in the main window. A new password will pop up in the text box.</source>
        <translation>-Per una password completamente CASUALE, fai clic su «Genera» nella finestra principale. La nuova password comparirà nella casella di testo.</translation>
    </message>
    <message>
        <source>-To save your password to your current password list, double-click the password box. The password will be added to the end of the password list in the directory the program is installed in.</source>
        <translation>-Per salvare la password nel tuo attuale elenco delle password, fai doppio clic sulla casella della password. La password verrà aggiunta in fondo all&apos;elenco delle password, nella cartella in cui è installato il programma.</translation>
    </message>
    <message>
        <source>-To create a password with numbers in it, check the &quot;Alphanumeric&quot; checkbox. To create a password without numbers, uncheck it again.</source>
        <translation>-Per creare una password che contenga dei numeri, seleziona la casella «Alfanumerico». Per creare una password senza numeri, deselezionala.</translation>
    </message>
    <message>
        <source>-To change the amount of characters in a generated password, move the slider bar. The number of characters will appear to the right.</source>
        <translation>-Per cambiare il numero di caratteri della password generata, sposta il cursore. Il numero di caratteri comparirà sulla destra.</translation>
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
        <translation>Istruzioni:</translation>
    </message>
    <message>
        <source>To generate a random password, simply click the Generate button. Your password will appear in the text box below. You can then copy and paste it into a textfile for use. View the &quot;How to&quot; for more information.</source>
        <translation>Per generare una password casuale, fai semplicemente clic su «Genera». La password comparirà nella casella di testo qui sotto. Potrai poi copiarla e incollarla in un file di testo per usarla. Per saperne di più, consulta «Come fare».</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Genera</translation>
    </message>
    <message>
        <source>How To...</source>
        <translation>Come fare...</translation>
    </message>
    <message>
        <source>How it works...</source>
        <translation>Come funziona...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Password length</source>
        <translation>Lunghezza della password</translation>
    </message>
    <message>
        <source>Number of Characters to generate</source>
        <translation>Numero di caratteri da generare</translation>
    </message>
    <message>
        <source>Alphanumeric</source>
        <translation>Alfanumerico</translation>
    </message>
    <message>
        <source>Password Not Added</source>
        <translation>Password non aggiunta</translation>
    </message>
    <message>
        <source>Your password could not be added to your password list,
%1:

%2</source>
        <translation>Non è stato possibile aggiungere la password al tuo elenco delle password,
%1:

%2</translation>
    </message>
    <message>
        <source>Password Added</source>
        <translation>Password aggiunta</translation>
    </message>
    <message>
        <source>Your password has been added to the end of your password list.</source>
        <translation>La password è stata aggiunta in fondo al tuo elenco delle password.</translation>
    </message>
    <message>
        <source>Generate a password!</source>
        <translation>Genera una password!</translation>
    </message>
    <message>
        <source>Copy new password from here</source>
        <translation>Copia da qui la nuova password</translation>
    </message>
    <message>
        <source>Select the number of characters to generate</source>
        <translation>Scegli il numero di caratteri da generare</translation>
    </message>
    <message>
        <source>Determines whether numbers are used as well</source>
        <translation>Stabilisce se usare anche i numeri</translation>
    </message>
    <message>
        <source>Click here for How To information</source>
        <translation>Fai clic qui per sapere come fare</translation>
    </message>
    <message>
        <source>Click here to see how it&apos;s done</source>
        <translation>Fai clic qui per vedere come funziona</translation>
    </message>
    <message>
        <source>Learn about the program</source>
        <translation>Informazioni sul programma</translation>
    </message>
    <message>
        <source>Exit Tumblekey</source>
        <translation>Esci da Tumblekey</translation>
    </message>
</context>
</TS>
