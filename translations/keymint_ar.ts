<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>PasswordListFile</name>
    <message>
        <source>The text holds characters that the password list&apos;s encoding cannot store.</source>
        <translation>يحتوي النص على أحرف لا يمكن حفظها بترميز قائمة كلمات المرور.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About...</source>
        <translation>حول البرنامج...</translation>
    </message>
    <message>
        <source>Tumblekey v1.5 for Windows 95/98/NT</source>
        <translation>الإصدار 1.5 من Tumblekey لأنظمة Windows 95/98/NT</translation>
    </message>
    <message>
        <source>Copyright (C) 1998 the Tumblekey authors. This program is freeware.</source>
        <translation>حقوق النشر © 1998 لمؤلفي Tumblekey. هذا البرنامج مجاني.</translation>
    </message>
    <message>
        <source>Made anew as Keymint by its developers, with Qt 6.</source>
        <translation>أعاد مطوّروه بناءه باسم Keymint باستخدام Qt&#xa0;6.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>حسنًا</translation>
    </message>
    <message>
        <source>This release 7/18/98.</source>
        <translation>تاريخ هذا الإصدار: 18/7/1998.</translation>
    </message>
    <message>
        <source>Keymint logo</source>
        <translation>شعار Keymint</translation>
    </message>
</context>
<context>
    <name>frmHowit</name>
    <message>
        <source>How it works...</source>
        <translation>كيف يعمل...</translation>
    </message>
    <message>
        <source>Tumblekey works by generating random numbers, each lying between 1 and 36. Each of the numbers maps to a corresponding letter of the alphabet and the numerics system. 1=a, 2=b, 27=1, and so on. It then throws them all together to form the password. That&apos;s it in a nutshell. It is the equivalent of closing your eyes and hitting however many random keys on your keyboard, except it&apos;s easier and does no physical damage. :)</source>
        <translation>يولّد Tumblekey أعدادًا عشوائية بين 1 و36، ويقابل كل عدد حرفًا من الأبجدية أو رقمًا: ‎1=a، و‎2=b، و‎27=1، وهكذا. ثم يجمعها معًا ليكوّن كلمة المرور. هذه هي الفكرة باختصار. الأمر أشبه بأن تغمض عينيك وتضرب عشوائيًا على ما شئت من المفاتيح، غير أنه أسهل ولا يُحدث أي ضرر مادي. :)</translation>
    </message>
    <message>
        <source>When you consider the fact that there are 36 possibilities for each digit in a 10 digit password, the probability of someone guessing your generated password is equal to 36 to the 10th power. Believe me, it&apos;s rare.</source>
        <translation>إذا علمت أن هناك 36 احتمالًا لكل خانة في كلمة مرور من 10 خانات، فإن فرصة أن يخمّن أحدٌ كلمة المرور التي ولّدتها هي واحد من 36 مرفوعًا إلى القوة العاشرة. صدّقني، هذا نادر.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>حسنًا</translation>
    </message>
</context>
<context>
    <name>frmHowto</name>
    <message>
        <source>How to...</source>
        <translation>تعليمات...</translation>
    </message>
    <message>
        <source>-To generate a completely RANDOM password, just click the &quot;Generate&quot; button in the main window. A new password will pop up in the text box.</source>
        <translation>-&#xa0;لتوليد كلمة مرور عشوائية تمامًا، ما عليك إلا النقر على زر «توليد» في النافذة الرئيسية. وستظهر كلمة مرور جديدة في مربع النص.</translation>
    </message>
    <message>
        <source>-To save your password to your current password list, double-click the password box. The password will be added to the end of the password list in the directory the program is installed in.</source>
        <translation>-&#xa0;لحفظ كلمة المرور في قائمة كلمات المرور الحالية، انقر نقرًا مزدوجًا على مربع كلمة المرور. وستُضاف كلمة المرور إلى نهاية قائمة كلمات المرور في المجلد الذي ثُبّت فيه البرنامج.</translation>
    </message>
    <message>
        <source>-To create a password with numbers in it, check the &quot;Alphanumeric&quot; checkbox. To create a password without numbers, uncheck it again.</source>
        <translation>-&#xa0;لتوليد كلمة مرور فيها أرقام، حدّد خانة «حروف وأرقام». ولتوليدها بلا أرقام، ألغِ تحديدها.</translation>
    </message>
    <message>
        <source>-To change the amount of characters in a generated password, move the slider bar. The number of characters will appear to the right.</source>
        <translation>-&#xa0;لتغيير عدد الأحرف في كلمة المرور المولَّدة، حرّك المنزلق. وسيظهر العدد على يساره.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>حسنًا</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Directions:</source>
        <translation>الإرشادات:</translation>
    </message>
    <message>
        <source>To generate a random password, simply click the Generate button. Your password will appear in the text box below. You can then copy and paste it into a textfile for use. View the &quot;How to&quot; for more information.</source>
        <translation>لتوليد كلمة مرور عشوائية، انقر على زر «توليد». ستظهر كلمة المرور في المربع أدناه لتنسخها وتلصقها في ملف نصي. راجع «تعليمات» لمزيد من المعلومات.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>كلمة المرور</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>توليد</translation>
    </message>
    <message>
        <source>How To...</source>
        <translation>تعليمات...</translation>
    </message>
    <message>
        <source>How it works...</source>
        <translation>كيف يعمل...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول البرنامج</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>Password length</source>
        <translation>طول كلمة المرور</translation>
    </message>
    <message>
        <source>Number of Characters to generate</source>
        <translation>عدد الأحرف المراد توليدها</translation>
    </message>
    <message>
        <source>Alphanumeric</source>
        <translation>حروف وأرقام</translation>
    </message>
    <message>
        <source>Password Not Added</source>
        <translation>لم تُضَف كلمة المرور</translation>
    </message>
    <message>
        <source>Your password could not be added to your password list,
%1:

%2</source>
        <translation>تعذّرت إضافة كلمة المرور إلى قائمة كلمات المرور،
%1:

%2</translation>
    </message>
    <message>
        <source>Password Added</source>
        <translation>أُضيفت كلمة المرور</translation>
    </message>
    <message>
        <source>Your password has been added to the end of your password list.</source>
        <translation>أُضيفت كلمة المرور إلى نهاية قائمة كلمات المرور.</translation>
    </message>
    <message>
        <source>Generate a password!</source>
        <translation>ولِّد كلمة مرور!</translation>
    </message>
    <message>
        <source>Copy new password from here</source>
        <translation>انسخ كلمة المرور الجديدة من هنا</translation>
    </message>
    <message>
        <source>Select the number of characters to generate</source>
        <translation>اختر عدد الأحرف المراد توليدها</translation>
    </message>
    <message>
        <source>Determines whether numbers are used as well</source>
        <translation>يحدد هل تُستخدم الأرقام أيضًا</translation>
    </message>
    <message>
        <source>Click here for How To information</source>
        <translation>انقر هنا لعرض التعليمات</translation>
    </message>
    <message>
        <source>Click here to see how it&apos;s done</source>
        <translation>انقر هنا لترى كيف يعمل</translation>
    </message>
    <message>
        <source>Learn about the program</source>
        <translation>تعرّف على البرنامج</translation>
    </message>
    <message>
        <source>Exit Tumblekey</source>
        <translation>الخروج من Tumblekey</translation>
    </message>
</context>
</TS>
