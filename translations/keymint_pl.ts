<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>PasswordListFile</name>
    <message>
        <source>The text holds characters that the password list&apos;s encoding cannot store.</source>
        <translation>Tekst zawiera znaki, których nie można zapisać w&#xa0;kodowaniu listy haseł.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About...</source>
        <translation>O programie...</translation>
    </message>
    <message>
        <source>Tumblekey v1.5 for Windows 95/98/NT</source>
        <translation>Tumblekey v1.5 dla Windows 95/98/NT</translation>
    </message>
    <message>
        <source>Copyright (C) 1998 the Tumblekey authors. This program is freeware.</source>
        <translation>Copyright (C) 1998 autorzy programu Tumblekey. Ten program jest darmowy (freeware).</translation>
    </message>
    <message>
        <source>Made anew as Keymint by its developers, with Qt 6.</source>
        <translation>Napisany od nowa jako Keymint przez jego twórców, z&#xa0;użyciem Qt&#xa0;6.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>This release 7/18/98.</source>
        <translation>Wydanie z 18 lipca 1998 r.</translation>
    </message>
    <message>
        <source>Keymint logo</source>
        <translation>Logo Keymint</translation>
    </message>
</context>
<context>
    <name>frmHowit</name>
    <message>
        <source>How it works...</source>
        <translation>Jak to działa...</translation>
    </message>
    <message>
        <source>Tumblekey works by generating random numbers, each lying between 1 and 36. Each of the numbers maps to a corresponding letter of the alphabet and the numerics system. 1=a, 2=b, 27=1, and so on. It then throws them all together to form the password. That&apos;s it in a nutshell. It is the equivalent of closing your eyes and hitting however many random keys on your keyboard, except it&apos;s easier and does no physical damage. :)</source>
        <translation>Tumblekey działa, generując losowe liczby, z&#xa0;których każda mieści się w&#xa0;zakresie od 1 do 36. Każdej z&#xa0;tych liczb odpowiada litera alfabetu albo cyfra: 1=a, 2=b, 27=1 i&#xa0;tak dalej. Następnie program wrzuca je wszystkie do jednego worka i&#xa0;tak powstaje hasło. Oto cała tajemnica. To tak, jakby zamknąć oczy i&#xa0;wciskać na chybił trafił dowolną liczbę klawiszy, tyle że łatwiej i&#xa0;bez szkody dla klawiatury. :)</translation>
    </message>
    <message>
        <source>When you consider the fact that there are 36 possibilities for each digit in a 10 digit password, the probability of someone guessing your generated password is equal to 36 to the 10th power. Believe me, it&apos;s rare.</source>
        <translation>Jeśli weźmiesz pod uwagę, że w&#xa0;10-znakowym haśle każdy znak może przyjąć 36 wartości, szansa, że ktoś odgadnie wygenerowane hasło, wynosi jeden na 36 do potęgi dziesiątej. Wierz mi, to się rzadko zdarza.</translation>
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
        <translation>Jak używać...</translation>
    </message>
    <message>
        <source>-To generate a completely RANDOM password, just click the &quot;Generate&quot; button in the main window. A new password will pop up in the text box.</source>
        <translation>-Aby wygenerować całkowicie LOSOWE hasło, po prostu kliknij przycisk „Generuj” w&#xa0;oknie głównym. Nowe hasło pojawi się w&#xa0;polu tekstowym.</translation>
    </message>
    <message>
        <source>-To save your password to your current password list, double-click the password box. The password will be added to the end of the password list in the directory the program is installed in.</source>
        <translation>-Aby zapisać hasło na bieżącej liście haseł, kliknij dwukrotnie pole z&#xa0;hasłem. Hasło zostanie dopisane na końcu listy haseł w&#xa0;katalogu, w&#xa0;którym zainstalowano program.</translation>
    </message>
    <message>
        <source>-To create a password with numbers in it, check the &quot;Alphanumeric&quot; checkbox. To create a password without numbers, uncheck it again.</source>
        <translation>-Aby utworzyć hasło zawierające cyfry, zaznacz pole wyboru „Alfanumeryczne”. Aby utworzyć hasło bez cyfr, usuń to zaznaczenie.</translation>
    </message>
    <message>
        <source>-To change the amount of characters in a generated password, move the slider bar. The number of characters will appear to the right.</source>
        <translation>-Aby zmienić liczbę znaków w&#xa0;generowanym haśle, przesuń suwak. Liczba znaków pojawi się po jego prawej stronie.</translation>
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
        <translation>Instrukcja:</translation>
    </message>
    <message>
        <source>To generate a random password, simply click the Generate button. Your password will appear in the text box below. You can then copy and paste it into a textfile for use. View the &quot;How to&quot; for more information.</source>
        <translation>Aby wygenerować losowe hasło, po prostu kliknij przycisk „Generuj”. Hasło pojawi się w&#xa0;polu tekstowym poniżej. Możesz je potem skopiować i&#xa0;wkleić do pliku tekstowego. Więcej informacji znajdziesz w&#xa0;oknie „Jak&#xa0;używać”.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Generuj</translation>
    </message>
    <message>
        <source>How To...</source>
        <translation>Jak używać...</translation>
    </message>
    <message>
        <source>How it works...</source>
        <translation>Jak to działa...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Password length</source>
        <translation>Długość hasła</translation>
    </message>
    <message>
        <source>Number of Characters to generate</source>
        <translation>Liczba znaków do wygenerowania</translation>
    </message>
    <message>
        <source>Alphanumeric</source>
        <translation>Alfanumeryczne</translation>
    </message>
    <message>
        <source>Password Not Added</source>
        <translation>Nie dodano hasła</translation>
    </message>
    <message>
        <source>Your password could not be added to your password list,
%1:

%2</source>
        <translation>Nie udało się dodać hasła do listy haseł,
%1:

%2</translation>
    </message>
    <message>
        <source>Password Added</source>
        <translation>Dodano hasło</translation>
    </message>
    <message>
        <source>Your password has been added to the end of your password list.</source>
        <translation>Hasło zostało dopisane na końcu listy haseł.</translation>
    </message>
    <message>
        <source>Generate a password!</source>
        <translation>Wygeneruj hasło!</translation>
    </message>
    <message>
        <source>Copy new password from here</source>
        <translation>Skopiuj stąd nowe hasło</translation>
    </message>
    <message>
        <source>Select the number of characters to generate</source>
        <translation>Wybierz, ile znaków wygenerować</translation>
    </message>
    <message>
        <source>Determines whether numbers are used as well</source>
        <translation>Określa, czy używać również cyfr</translation>
    </message>
    <message>
        <source>Click here for How To information</source>
        <translation>Kliknij, aby otworzyć okno „Jak używać”</translation>
    </message>
    <message>
        <source>Click here to see how it&apos;s done</source>
        <translation>Kliknij, aby zobaczyć, jak to działa</translation>
    </message>
    <message>
        <source>Learn about the program</source>
        <translation>Informacje o&#xa0;programie</translation>
    </message>
    <message>
        <source>Exit Tumblekey</source>
        <translation>Zakończ Tumblekey</translation>
    </message>
</context>
</TS>
