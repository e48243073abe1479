<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>PasswordListFile</name>
    <message>
        <source>The text holds characters that the password list&apos;s encoding cannot store.</source>
        <translation>Текст содержит символы, которые невозможно сохранить в кодировке списка паролей.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About...</source>
        <translation>О программе...</translation>
    </message>
    <message>
        <source>Tumblekey v1.5 for Windows 95/98/NT</source>
        <translation>Tumblekey v1.5 для Windows 95/98/NT</translation>
    </message>
    <message>
        <source>Copyright (C) 1998 the Tumblekey authors. This program is freeware.</source>
        <translation>Copyright (C) 1998 авторы Tumblekey. Это бесплатная программа (freeware).</translation>
    </message>
    <message>
        <source>Made anew as Keymint by its developers, with Qt 6.</source>
        <translation>Воссоздана под именем Keymint её разработчиками на Qt 6.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>This release 7/18/98.</source>
        <translation>Выпуск от 18.07.1998 г.</translation>
    </message>
    <message>
        <source>Keymint logo</source>
        <translation>Логотип Keymint</translation>
    </message>
</context>
<context>
    <name>frmHowit</name>
    <message>
        <source>How it works...</source>
        <translation>Как работает...</translation>
    </message>
    <message>
        <source>Tumblekey works by generating random numbers, each lying between 1 and 36. Each of the numbers maps to a corresponding letter of the alphabet and the numerics system. 1=a, 2=b, 27=1, and so on. It then throws them all together to form the password. That&apos;s it in a nutshell. It is the equivalent of closing your eyes and hitting however many random keys on your keyboard, except it&apos;s easier and does no physical damage. :)</source>
        <translation>Tumblekey генерирует случайные числа, каждое от 1 до 36. Каждому числу соответствует буква алфавита или цифра: 1=a, 2=b, 27=1 и так далее. Затем программа сваливает их все в одну кучу, и получается пароль. Вот и всё, если в двух словах. Это всё равно что закрыть глаза и наугад колотить по клавишам сколько душе угодно, только проще и без ущерба для клавиатуры. :)</translation>
    </message>
    <message>
        <source>When you consider the fact that there are 36 possibilities for each digit in a 10 digit password, the probability of someone guessing your generated password is equal to 36 to the 10th power. Believe me, it&apos;s rare.</source>
        <translation>Если учесть, что в 10-символьном пароле для каждого символа есть 36 вариантов, вероятность того, что кто-то угадает ваш пароль, — один к 36 в десятой степени. Поверьте, такое случается редко.</translation>
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
        <translation>Справка...</translation>
    </message>
    <message>
        <source>-To generate a completely RANDOM password, just click the &quot;Generate&quot; button in the main window. A new password will pop up in the text box.</source>
        <translation>-Чтобы создать совершенно СЛУЧАЙНЫЙ пароль, просто нажмите кнопку «Создать» в главном окне. Новый пароль появится в текстовом поле.</translation>
    </message>
    <message>
        <source>-To save your password to your current password list, double-click the password box. The password will be added to the end of the password list in the directory the program is installed in.</source>
        <translation>-Чтобы сохранить пароль в текущем списке паролей, дважды щёлкните по полю с паролем. Пароль будет добавлен в конец списка паролей в папке, где установлена программа.</translation>
    </message>
    <message>
        <source>-To create a password with numbers in it, check the &quot;Alphanumeric&quot; checkbox. To create a password without numbers, uncheck it again.</source>
        <translation>-Чтобы создать пароль с цифрами, установите флажок «Буквы и цифры». Чтобы создать пароль без цифр, снимите этот флажок.</translation>
    </message>
    <message>
        <source>-To change the amount of characters in a generated password, move the slider bar. The number of characters will appear to the right.</source>
        <translation>-Чтобы изменить количество символов в создаваемом пароле, передвиньте ползунок. Количество символов отобразится справа от него.</translation>
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
        <translation>Инструкция:</translation>
    </message>
    <message>
        <source>To generate a random password, simply click the Generate button. Your password will appear in the text box below. You can then copy and paste it into a textfile for use. View the &quot;How to&quot; for more information.</source>
        <translation>Чтобы создать случайный пароль, просто нажмите кнопку «Создать». Пароль появится в текстовом поле ниже. Затем его можно скопировать и вставить в текстовый файл. Подробнее см. в окне «Справка».</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>How To...</source>
        <translation>Справка...</translation>
    </message>
    <message>
        <source>How it works...</source>
        <translation>Как работает...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Password length</source>
        <translation>Длина пароля</translation>
    </message>
    <message>
        <source>Number of Characters to generate</source>
        <translation>Количество символов в пароле</translation>
    </message>
    <message>
        <source>Alphanumeric</source>
        <translation>Буквы и цифры</translation>
    </message>
    <message>
        <source>Password Not Added</source>
        <translation>Пароль не добавлен</translation>
    </message>
    <message>
        <source>Your password could not be added to your password list,
%1:

%2</source>
        <translation>Не удалось добавить пароль в список паролей,
%1:

%2</translation>
    </message>
    <message>
        <source>Password Added</source>
        <translation>Пароль добавлен</translation>
    </message>
    <message>
        <source>Your password has been added to the end of your password list.</source>
        <translation>Пароль добавлен в конец списка паролей.</translation>
    </message>
    <message>
        <source>Generate a password!</source>
        <translation>Создайте пароль!</translation>
    </message>
    <message>
        <source>Copy new password from here</source>
        <translation>Скопируйте новый пароль отсюда</translation>
    </message>
    <message>
        <source>Select the number of characters to generate</source>
        <translation>Выберите количество символов</translation>
    </message>
    <message>
        <source>Determines whether numbers are used as well</source>
        <translation>Определяет, добавлять ли цифры</translation>
    </message>
    <message>
        <source>Click here for How To information</source>
        <translation>Нажмите, чтобы открыть справку</translation>
    </message>
    <message>
        <source>Click here to see how it&apos;s done</source>
        <translation>Нажмите, чтобы узнать, как это работает</translation>
    </message>
    <message>
        <source>Learn about the program</source>
        <translation>Сведения о программе</translation>
    </message>
    <message>
        <source>Exit Tumblekey</source>
        <translation>Выйти из Tumblekey</translation>
    </message>
</context>
</TS>
