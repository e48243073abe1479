<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>PasswordListFile</name>
    <message>
        <source>The text holds characters that the password list&apos;s encoding cannot store.</source>
        <translation>文本中含有密码列表的编码无法存储的字符。</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About...</source>
        <translation>关于...</translation>
    </message>
    <message>
        <source>Tumblekey v1.5 for Windows 95/98/NT</source>
        <translation>Tumblekey v1.5（适用于 Windows 95/98/NT）</translation>
    </message>
    <message>
        <source>Copyright (C) 1998 the Tumblekey authors. This program is freeware.</source>
        <translation>版权所有 © 1998 Tumblekey 作者。本程序为免费软件。</translation>
    </message>
    <message>
        <source>Made anew as Keymint by its developers, with Qt 6.</source>
        <translation>Keymint 由其开发者使用 Qt 6 重新打造而成。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>This release 7/18/98.</source>
        <translation>发布日期：1998 年 7 月 18 日</translation>
    </message>
    <message>
        <source>Keymint logo</source>
        <translation>Keymint 徽标</translation>
    </message>
</context>
<context>
    <name>frmHowit</name>
    <message>
        <source>How it works...</source>
        <translation>工作原理...</translation>
    </message>
    <message>
        <source>Tumblekey works by generating random numbers, each lying between 1 and 36. Each of the numbers maps to a corresponding letter of the alphabet and the numerics system. 1=a, 2=b, 27=1, and so on. It then throws them all together to form the password. That&apos;s it in a nutshell. It is the equivalent of closing your eyes and hitting however many random keys on your keyboard, except it&apos;s easier and does no physical damage. :)</source>
        <translation>Tumblekey 的工作原理是生成随机数，每个数都介于 1 到 36 之间。这些数分别对应字母表中的字母或数字：1=a，2=b，27=1，依此类推。然后把它们全部凑到一起，组成密码。简而言之就是这样。这就相当于闭上眼睛在键盘上随手乱敲一通，只不过更省事，而且不会造成任何物理损伤。:)</translation>
    </message>
    <message>
        <source>When you consider the fact that there are 36 possibilities for each digit in a 10 digit password, the probability of someone guessing your generated password is equal to 36 to the 10th power. Believe me, it&apos;s rare.</source>
        <translation>想想看，10 位密码的每一位都有 36 种可能，那么别人猜中您所生成密码的概率只有 36 的 10 次方分之一。相信我，这种事很少发生。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>frmHowto</name>
    <message>
        <source>How to...</source>
        <translation>使用方法...</translation>
    </message>
    <message>
        <source>-To generate a completely RANDOM password, just click the &quot;Generate&quot; button in the main window. A new password will pop up in the text box.</source>
        <translation>• 要生成完全随机的密码，只需单击主窗口中的“生成”按钮。新密码会出现在文本框中。</translation>
    </message>
    <message>
        <source>-To save your password to your current password list, double-click the password box. The password will be added to the end of the password list in the directory the program is installed in.</source>
        <translation>• 要将密码保存到当前的密码列表，请双击密码框。密码将被添加到程序安装目录下的密码列表末尾。</translation>
    </message>
    <message>
        <source>-To create a password with numbers in it, check the &quot;Alphanumeric&quot; checkbox. To create a password without numbers, uncheck it again.</source>
        <translation>• 要生成包含数字的密码，请勾选“字母和数字”复选框。要生成不含数字的密码，再取消勾选即可。</translation>
    </message>
    <message>
        <source>-To change the amount of characters in a generated password, move the slider bar. The number of characters will appear to the right.</source>
        <translation>• 要更改所生成密码的字符数，请拖动滑块。字符数会显示在右侧。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Directions:</source>
        <translation>操作说明：</translation>
    </message>
    <message>
        <source>To generate a random password, simply click the Generate button. Your password will appear in the text box below. You can then copy and paste it into a textfile for use. View the &quot;How to&quot; for more information.</source>
        <translation>要生成随机密码，只需单击“生成”按钮。密码将显示在下方的文本框中。然后您可以将其复制并粘贴到文本文件中使用。更多信息请参阅“使用方法”。</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>生成</translation>
    </message>
    <message>
        <source>How To...</source>
        <translation>使用方法...</translation>
    </message>
    <message>
        <source>How it works...</source>
        <translation>工作原理...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Password length</source>
        <translation>密码长度</translation>
    </message>
    <message>
        <source>Number of Characters to generate</source>
        <translation>要生成的字符数</translation>
    </message>
    <message>
        <source>Alphanumeric</source>
        <translation>字母和数字</translation>
    </message>
    <message>
        <source>Password Not Added</source>
        <translation>未能添加密码</translation>
    </message>
    <message>
        <source>Your password could not be added to your password list,
%1:

%2</source>
        <translation>无法将您的密码添加到密码列表，
%1：

%2</translation>
    </message>
    <message>
        <source>Password Added</source>
        <translation>密码已添加</translation>
    </message>
    <message>
        <source>Your password has been added to the end of your password list.</source>
        <translation>您的密码已添加到密码列表的末尾。</translation>
    </message>
    <message>
        <source>Generate a password!</source>
        <translation>生成一个密码！</translation>
    </message>
    <message>
        <source>Copy new password from here</source>
        <translation>从这里复制新密码</translation>
    </message>
    <message>
        <source>Select the number of characters to generate</source>
        <translation>选择要生成的字符数</translation>
    </message>
    <message>
        <source>Determines whether numbers are used as well</source>
        <translation>决定是否同时使用数字</translation>
    </message>
    <message>
        <source>Click here for How To information</source>
        <translation>单击此处查看使用方法</translation>
    </message>
    <message>
        <source>Click here to see how it&apos;s done</source>
        <translation>单击此处了解工作原理</translation>
    </message>
    <message>
        <source>Learn about the program</source>
        <translation>了解本程序</translation>
    </message>
    <message>
        <source>Exit Tumblekey</source>
        <translation>退出 Tumblekey</translation>
    </message>
</context>
</TS>
