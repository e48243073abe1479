<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>PasswordListFile</name>
    <message>
        <source>The text holds characters that the password list&apos;s encoding cannot store.</source>
        <translation>El texto contiene caracteres que la codificación de la lista de contraseñas no admite.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About...</source>
        <translation>Acerca de...</translation>
    </message>
    <message>
        <source>Tumblekey v1.5 for Windows 95/98/NT</source>
        <translation>Tumblekey v1.5 para Windows 95/98/NT</translation>
    </message>
    <message>
        <source>Copyright (C) 1998 the Tumblekey authors. This program is freeware.</source>
        <translation>Copyright (C) 1998 los autores de Tumblekey. Este programa es freeware.</translation>
    </message>
    <message>
        <source>Made anew as Keymint by its developers, with Qt 6.</source>
        <translation>Recreado como Keymint por sus desarrolladores, con Qt 6.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>This release 7/18/98.</source>
        <translation>Esta versión: 18/07/98.</translation>
    </message>
    <message>
        <source>Keymint logo</source>
        <translation>Logotipo de Keymint</translation>
    </message>
</context>
<context>
    <name>frmHowit</name>
    <message>
        <source>How it works...</source>
        <translation>Cómo funciona...</translation>
    </message>
    <message>
        <source>Tumblekey works by generating random numbers, each lying between 1 and 36. Each of the numbers maps to a corresponding letter of the alphabet and the numerics system. 1=a, 2=b, 27=1, and so on. It then throws them all together to form the password. That&apos;s it in a nutshell. It is the equivalent of closing your eyes and hitting however many random keys on your keyboard, except it&apos;s easier and does no physical damage. :)</source>
        <translation>Tumblekey funciona generando números aleatorios, cada uno entre 1 y 36. Cada número corresponde a una letra del alfabeto o a una cifra del sistema numérico: 1=a, 2=b, 27=1 y así sucesivamente. Luego los junta todos para formar la contraseña. En pocas palabras, eso es todo. Es lo mismo que cerrar los ojos y presionar al azar cuantas teclas quieras en el teclado, solo que es más fácil y no rompes nada. :)</translation>
    </message>
    <message>
        <source>When you consider the fact that there are 36 possibilities for each digit in a 10 digit password, the probability of someone guessing your generated password is equal to 36 to the 10th power. Believe me, it&apos;s rare.</source>
        <translation>Si tienes en cuenta que hay 36 posibilidades para cada carácter de una contraseña de 10 caracteres, la probabilidad de que alguien adivine la contraseña generada es de 1 entre 36 elevado a 10. Créeme: es rarísimo.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>frmHowto</name>
    <message>
        <source>How to...</source>
        <translation>Cómo se usa...</translation>
    </message>
    <message>
        <source>-To generate a completely RANDOM password, just click the &quot;Generate&quot; button in the main window. A new password will pop up in the text box.</source>
        <translation>-Para una contraseña totalmente ALEATORIA, haz clic en «Generar» en la ventana principal. La nueva contraseña aparecerá en el cuadro de texto.</translation>
    </message>
    <message>
        <source>-To save your password to your current password list, double-click the password box. The password will be added to the end of the password list in the directory the program is installed in.</source>
        <translation>-Para guardar la contraseña en tu lista de contraseñas actual, haz doble clic en el cuadro de la contraseña. La contraseña se agregará al final de la lista de contraseñas, que está en la carpeta donde se instaló el programa.</translation>
    </message>
    <message>
        <source>-To create a password with numbers in it, check the &quot;Alphanumeric&quot; checkbox. To create a password without numbers, uncheck it again.</source>
        <translation>-Para crear una contraseña con números, marca la casilla «Alfanumérico». Para crear una contraseña sin números, vuelve a desmarcarla.</translation>
    </message>
    <message>
        <source>-To change the amount of characters in a generated password, move the slider bar. The number of characters will appear to the right.</source>
        <translation>-Para cambiar la cantidad de caracteres de la contraseña generada, mueve el control deslizante. El número de caracteres aparecerá a la derecha.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Directions:</source>
        <translation>Instrucciones:</translation>
    </message>
    <message>
        <source>To generate a random password, simply click the Generate button. Your password will appear in the text box below. You can then copy and paste it into a textfile for use. View the &quot;How to&quot; for more information.</source>
        <translation>Para generar una contraseña aleatoria, simplemente haz clic en «Generar». La contraseña aparecerá en el cuadro de texto de abajo. Luego puedes copiarla y pegarla en un archivo de texto para usarla. Consulta «Cómo se usa» para más información.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Generar</translation>
    </message>
    <message>
        <source>How To...</source>
        <translation>Cómo se usa...</translation>
    </message>
    <message>
        <source>How it works...</source>
        <translation>Cómo funciona...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Password length</source>
        <translation>Longitud de la contraseña</translation>
    </message>
    <message>
        <source>Number of Characters to generate</source>
        <translation>Número de caracteres que se generarán</translation>
    </message>
    <message>
        <source>Alphanumeric</source>
        <translation>Alfanumérico</translation>
    </message>
    <message>
        <source>Password Not Added</source>
        <translation>Contraseña no agregada</translation>
    </message>
    <message>
        <source>Your password could not be added to your password list,
%1:

%2</source>
        <translation>No se pudo agregar la contraseña a tu lista de contraseñas,
%1:

%2</translation>
    </message>
    <message>
        <source>Password Added</source>
        <translation>Contraseña agregada</translation>
    </message>
    <message>
        <source>Your password has been added to the end of your password list.</source>
        <translation>La contraseña se ha agregado al final de tu lista de contraseñas.</translation>
    </message>
    <message>
        <source>Generate a password!</source>
        <translation>¡Genera una contraseña!</translation>
    </message>
    <message>
        <source>Copy new password from here</source>
        <translation>Copia desde aquí la nueva contraseña</translation>
    </message>
    <message>
        <source>Select the number of characters to generate</source>
        <translation>Elige cuántos caracteres generar</translation>
    </message>
    <message>
        <source>Determines whether numbers are used as well</source>
        <translation>Indica si también se usan números</translation>
    </message>
    <message>
        <source>Click here for How To information</source>
        <translation>Haz clic aquí para ver «Cómo se usa»</translation>
    </message>
    <message>
        <source>Click here to see how it&apos;s done</source>
        <translation>Haz clic aquí para ver cómo funciona</translation>
    </message>
    <message>
        <source>Learn about the program</source>
        <translation>Información sobre el programa</translation>
    </message>
    <message>
        <source>Exit Tumblekey</source>
        <translation>Salir de Tumblekey</translation>
    </message>
</context>
</TS>
