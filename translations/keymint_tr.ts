<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>PasswordListFile</name>
    <message>
        <source>The text holds characters that the password list&apos;s encoding cannot store.</source>
        <translation>Metin, parola listesinin kodlamasında saklanamayan karakterler içeriyor.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About...</source>
        <translation>Hakkında...</translation>
    </message>
    <message>
        <source>Tumblekey v1.5 for Windows 95/98/NT</source>
        <translation>Windows 95/98/NT için Tumblekey v1.5</translation>
    </message>
    <message>
        <source>Copyright (C) 1998 the Tumblekey authors. This program is freeware.</source>
        <translation>Telif Hakkı (C) 1998 Tumblekey yazarları. Bu program ücretsiz bir yazılımdır.</translation>
    </message>
    <message>
        <source>Made anew as Keymint by its developers, with Qt 6.</source>
        <translation>Geliştiricileri tarafından Qt 6 ile Keymint olarak yeniden yazıldı.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>This release 7/18/98.</source>
        <translation>Sürüm tarihi: 18.07.1998.</translation>
    </message>
    <message>
        <source>Keymint logo</source>
        <translation>Keymint logosu</translation>
    </message>
</context>
<context>
    <name>frmHowit</name>
    <message>
        <source>How it works...</source>
        <translation>Nasıl çalışır...</translation>
    </message>
    <message>
        <source>Tumblekey works by generating random numbers, each lying between 1 and 36. Each of the numbers maps to a corresponding letter of the alphabet and the numerics system. 1=a, 2=b, 27=1, and so on. It then throws them all together to form the password. That&apos;s it in a nutshell. It is the equivalent of closing your eyes and hitting however many random keys on your keyboard, except it&apos;s easier and does no physical damage. :)</source>
        <translation>Tumblekey, her biri 1 ile 36 arasında olan rastgele sayılar üreterek çalışır. Her sayı, alfabedeki bir harfe ya da bir rakama karşılık gelir: 1=a, 2=b, 27=1 ve böyle devam eder. Ardından hepsini harmanlayıp parolayı oluşturur. İşin özü bu kadar. Bu, gözlerinizi kapatıp klavyenizde rastgele istediğiniz kadar tuşa basmakla aynı şey; tek farkı daha kolay olması ve hiçbir fiziksel hasara yol açmaması. :)</translation>
    </message>
    <message>
        <source>When you consider the fact that there are 36 possibilities for each digit in a 10 digit password, the probability of someone guessing your generated password is equal to 36 to the 10th power. Believe me, it&apos;s rare.</source>
        <translation>10 karakterlik bir parolada her karakter için 36 seçenek bulunduğunu düşünürseniz, birinin oluşturulan parolanızı tahmin etme olasılığı 36 üzeri 10&apos;da birdir. İnanın bana, bu çok düşük bir ihtimal.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
</context>
<context>
    <name>frmHowto</name>
    <message>
        <source>How to...</source>
        <translation>Nasıl yapılır...</translation>
    </message>
    <message>
        <source>-To generate a completely RANDOM password, just click the &quot;Generate&quot; button in the main window. A new password will pop up in the text box.</source>
        <translation>-Tamamen RASTGELE bir parola oluşturmak için ana penceredeki “Oluştur” düğmesine tıklamanız yeterli. Yeni parola metin kutusunda hemen belirecek.</translation>
    </message>
    <message>
        <source>-To save your password to your current password list, double-click the password box. The password will be added to the end of the password list in the directory the program is installed in.</source>
        <translation>-Parolanızı mevcut parola listenize kaydetmek için parola kutusuna çift tıklayın. Parola, programın kurulu olduğu dizindeki parola listesinin sonuna eklenir.</translation>
    </message>
    <message>
        <source>-To create a password with numbers in it, check the &quot;Alphanumeric&quot; checkbox. To create a password without numbers, uncheck it again.</source>
        <translation>-Rakam içeren bir parola oluşturmak için “Alfanümerik” onay kutusunu işaretleyin. Rakamsız bir parola oluşturmak için işareti yeniden kaldırın.</translation>
    </message>
    <message>
        <source>-To change the amount of characters in a generated password, move the slider bar. The number of characters will appear to the right.</source>
        <translation>-Oluşturulan paroladaki karakter sayısını değiştirmek için kaydırıcıyı hareket ettirin. Karakter sayısı sağda görünür.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Directions:</source>
        <translation>Yönergeler:</translation>
    </message>
    <message>
        <source>To generate a random password, simply click the Generate button. Your password will appear in the text box below. You can then copy and paste it into a textfile for use. View the &quot;How to&quot; for more information.</source>
        <translation>Rastgele bir parola oluşturmak için “Oluştur” düğmesine tıklamanız yeterli. Parolanız aşağıdaki metin kutusunda görünür. Ardından kopyalayıp kullanmak üzere bir metin dosyasına yapıştırabilirsiniz. Daha fazla bilgi için “Nasıl yapılır” penceresine bakın.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Parola</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Oluştur</translation>
    </message>
    <message>
        <source>How To...</source>
        <translation>Nasıl yapılır...</translation>
    </message>
    <message>
        <source>How it works...</source>
        <translation>Nasıl çalışır...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>Password length</source>
        <translation>Parola uzunluğu</translation>
    </message>
    <message>
        <source>Number of Characters to generate</source>
        <translation>Oluşturulacak karakter sayısı</translation>
    </message>
    <message>
        <source>Alphanumeric</source>
        <translation>Alfanümerik</translation>
    </message>
    <message>
        <source>Password Not Added</source>
        <translation>Parola Eklenmedi</translation>
    </message>
    <message>
        <source>Your password could not be added to your password list,
%1:

%2</source>
        <translation>Parolanız parola listenize eklenemedi,
%1:

%2</translation>
    </message>
    <message>
        <source>Password Added</source>
        <translation>Parola Eklendi</translation>
    </message>
    <message>
        <source>Your password has been added to the end of your password list.</source>
        <translation>Parolanız parola listenizin sonuna eklendi.</translation>
    </message>
    <message>
        <source>Generate a password!</source>
        <translation>Bir parola oluşturun!</translation>
    </message>
    <message>
        <source>Copy new password from here</source>
        <translation>Yeni parolayı buradan kopyalayın</translation>
    </message>
    <message>
        <source>Select the number of characters to generate</source>
        <translation>Oluşturulacak karakter sayısını seçin</translation>
    </message>
    <message>
        <source>Determines whether numbers are used as well</source>
        <translation>Rakamların da kullanılmasını sağlar</translation>
    </message>
    <message>
        <source>Click here for How To information</source>
        <translation>“Nasıl yapılır” bilgisi için buraya tıklayın</translation>
    </message>
    <message>
        <source>Click here to see how it&apos;s done</source>
        <translation>Nasıl çalıştığını görmek için buraya tıklayın</translation>
    </message>
    <message>
        <source>Learn about the program</source>
        <translation>Program hakkında bilgi alın</translation>
    </message>
    <message>
        <source>Exit Tumblekey</source>
        <translation>Tumblekey&apos;den çıkın</translation>
    </message>
</context>
</TS>
