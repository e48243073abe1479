<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>PasswordListFile</name>
    <message>
        <source>The text holds characters that the password list&apos;s encoding cannot store.</source>
        <translation>Текст містить символи, яких не можна зберегти в кодуванні списку паролів.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About...</source>
        <translation>Про програму...</translation>
    </message>
    <message>
        <source>Tumblekey v1.5 for Windows 95/98/NT</source>
        <translation>Tumblekey v1.5 для Windows 95/98/NT</translation>
    </message>
    <message>
        <source>Copyright (C) 1998 the Tumblekey authors. This program is freeware.</source>
        <translation>Copyright (C) 1998 автори Tumblekey. Ця програма безплатна.</translation>
    </message>
    <message>
        <source>Made anew as Keymint by its developers, with Qt 6.</source>
        <translation>Створена наново під назвою Keymint її розробниками на Qt 6.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>This release 7/18/98.</source>
        <translation>Випуск від 18.07.1998.</translation>
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
        <translation>Як це працює...</translation>
    </message>
    <message>
        <source>Tumblekey works by generating random numbers, each lying between 1 and 36. Each of the numbers maps to a corresponding letter of the alphabet and the numerics system. 1=a, 2=b, 27=1, and so on. It then throws them all together to form the password. That&apos;s it in a nutshell. It is the equivalent of closing your eyes and hitting however many random keys on your keyboard, except it&apos;s easier and does no physical damage. :)</source>
        <translation>Tumblekey генерує випадкові числа, кожне від 1 до 36. Кожному числу відповідає певна літера алфавіту або цифра: 1=a, 2=b, 27=1 і так далі. Потім програма зсипає їх усі докупи — і виходить пароль. Ось і вся премудрість. Це те саме, що заплющити очі й натиснути навмання скільки завгодно клавіш на клавіатурі, тільки простіше й без жодної фізичної шкоди. :)</translation>
    </message>
    <message>
        <source>When you consider the fact that there are 36 possibilities for each digit in a 10 digit password, the probability of someone guessing your generated password is equal to 36 to the 10th power. Believe me, it&apos;s rare.</source>
        <translation>Якщо врахувати, що кожен символ 10-символьного пароля має 36 варіантів, то ймовірність того, що хтось угадає ваш згенерований пароль, становить 1 до 36 у десятому степені. Повірте, таке трапляється рідко.</translation>
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
        <translation>Інструкція...</translation>
    </message>
    <message>
        <source>-To generate a completely RANDOM password, just click the &quot;Generate&quot; button in the main window. A new password will pop up in the text box.</source>
        <translation>-Щоб створити цілком ВИПАДКОВИЙ пароль, просто натисніть кнопку «Згенерувати» у головному вікні. У текстовому полі з’явиться новий пароль.</translation>
    </message>
    <message>
        <source>-To save your password to your current password list, double-click the password box. The password will be added to the end of the password list in the directory the program is installed in.</source>
        <translation>-Щоб зберегти пароль у поточному списку паролів, двічі клацніть поле пароля. Пароль буде додано в кінець списку паролів у теці, де встановлено програму.</translation>
    </message>
    <message>
        <source>-To create a password with numbers in it, check the &quot;Alphanumeric&quot; checkbox. To create a password without numbers, uncheck it again.</source>
        <translation>-Щоб створити пароль із цифрами, поставте позначку «З цифрами». Щоб створити пароль без цифр, знову зніміть її.</translation>
    </message>
    <message>
        <source>-To change the amount of characters in a generated password, move the slider bar. The number of characters will appear to the right.</source>
        <translation>-Щоб змінити кількість символів у згенерованому паролі, пересуньте повзунок. Кількість символів буде показано праворуч.</translation>
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
        <translation>Вказівки:</translation>
    </message>
    <message>
        <source>To generate a random password, simply click the Generate button. Your password will appear in the text box below. You can then copy and paste it into a textfile for use. View the &quot;How to&quot; for more information.</source>
        <translation>Щоб створити випадковий пароль, просто натисніть кнопку «Згенерувати». Пароль з’явиться в текстовому полі нижче. Потім його можна скопіювати й вставити в текстовий файл. Докладніше — у вікні «Інструкція».</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Згенерувати</translation>
    </message>
    <message>
        <source>How To...</source>
        <translation>Інструкція...</translation>
    </message>
    <message>
        <source>How it works...</source>
        <translation>Як це працює...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Вийти</translation>
    </message>
    <message>
        <source>Password length</source>
        <translation>Довжина пароля</translation>
    </message>
    <message>
        <source>Number of Characters to generate</source>
        <translation>Кількість символів для генерування</translation>
    </message>
    <message>
        <source>Alphanumeric</source>
        <translation>З цифрами</translation>
    </message>
    <message>
        <source>Password Not Added</source>
        <translation>Пароль не додано</translation>
    </message>
    <message>
        <source>Your password could not be added to your password list,
%1:

%2</source>
        <translation>Не вдалося додати пароль до списку паролів,
%1:

%2</translation>
    </message>
    <message>
        <source>Password Added</source>
        <translation>Пароль додано</translation>
    </message>
    <message>
        <source>Your password has been added to the end of your password list.</source>
        <translation>Пароль додано в кінець списку паролів.</translation>
    </message>
    <message>
        <source>Generate a password!</source>
        <translation>Згенеруйте пароль!</translation>
    </message>
    <message>
        <source>Copy new password from here</source>
        <translation>Скопіюйте новий пароль звідси</translation>
    </message>
    <message>
        <source>Select the number of characters to generate</source>
        <translation>Виберіть кількість символів пароля</translation>
    </message>
    <message>
        <source>Determines whether numbers are used as well</source>
        <translation>Визначає, чи додавати також цифри</translation>
    </message>
    <message>
        <source>Click here for How To information</source>
        <translation>Клацніть, щоб прочитати інструкцію</translation>
    </message>
    <message>
        <source>Click here to see how it&apos;s done</source>
        <translation>Клацніть, щоб дізнатися, як це працює</translation>
    </message>
    <message>
        <source>Learn about the program</source>
        <translation>Дізнайтеся про програму</translation>
    </message>
    <message>
        <source>Exit Tumblekey</source>
        <translation>Вийти з Tumblekey</translation>
    </message>
</context>
</TS>
