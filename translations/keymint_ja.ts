<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>PasswordListFile</name>
    <message>
        <source>The text holds characters that the password list&apos;s encoding cannot store.</source>
        <translation>パスワードリストの文字コードでは保存できない文字が含まれています。</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About...</source>
        <translation>バージョン情報...</translation>
    </message>
    <message>
        <source>Tumblekey v1.5 for Windows 95/98/NT</source>
        <translation>Tumblekey v1.5（Windows 95/98/NT版）</translation>
    </message>
    <message>
        <source>Copyright (C) 1998 the Tumblekey authors. This program is freeware.</source>
        <translation>Copyright (C) 1998 Tumblekeyの作者一同。このプログラムはフリーウェアです。</translation>
    </message>
    <message>
        <source>Made anew as Keymint by its developers, with Qt 6.</source>
        <translation>開発者たちがQt 6を使い、Keymintとして新たに作り直しました。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>This release 7/18/98.</source>
        <translation>リリース日：1998年7月18日</translation>
    </message>
    <message>
        <source>Keymint logo</source>
        <translation>Keymintのロゴ</translation>
    </message>
</context>
<context>
    <name>frmHowit</name>
    <message>
        <source>How it works...</source>
        <translation>仕組み...</translation>
    </message>
    <message>
        <source>Tumblekey works by generating random numbers, each lying between 1 and 36. Each of the numbers maps to a corresponding letter of the alphabet and the numerics system. 1=a, 2=b, 27=1, and so on. It then throws them all together to form the password. That&apos;s it in a nutshell. It is the equivalent of closing your eyes and hitting however many random keys on your keyboard, except it&apos;s easier and does no physical damage. :)</source>
        <translation>Tumblekeyは、1から36までの乱数を生成します。それぞれの数はアルファベットと数字の対応する文字に割り当てられます。1=a、2=b、27=1といった具合です。それらを全部まとめてパスワードにします。要はそれだけです。目を閉じてキーボードを好きなだけでたらめに叩くのと同じですが、こちらのほうが楽ですし、物理的な被害もありません。:)</translation>
    </message>
    <message>
        <source>When you consider the fact that there are 36 possibilities for each digit in a 10 digit password, the probability of someone guessing your generated password is equal to 36 to the 10th power. Believe me, it&apos;s rare.</source>
        <translation>10文字のパスワードの各文字に36通りの可能性があることを考えると、生成したパスワードを誰かに言い当てられる確率は36の10乗分の1です。本当ですよ、めったにありません。</translation>
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
        <translation>使い方...</translation>
    </message>
    <message>
        <source>-To generate a completely RANDOM password, just click the &quot;Generate&quot; button in the main window. A new password will pop up in the text box.</source>
        <translation>・メインウィンドウの「生成」ボタンを押すだけで、完全にランダムなパスワードがテキストボックスに表示されます。</translation>
    </message>
    <message>
        <source>-To save your password to your current password list, double-click the password box. The password will be added to the end of the password list in the directory the program is installed in.</source>
        <translation>・パスワード欄をダブルクリックすると、プログラムのインストール先フォルダーにあるパスワードリストの末尾に追加されます。</translation>
    </message>
    <message>
        <source>-To create a password with numbers in it, check the &quot;Alphanumeric&quot; checkbox. To create a password without numbers, uncheck it again.</source>
        <translation>・パスワードに数字を含めるには、「英数字」チェックボックスをオンにします。含めない場合はオフに戻します。</translation>
    </message>
    <message>
        <source>-To change the amount of characters in a generated password, move the slider bar. The number of characters will appear to the right.</source>
        <translation>・生成するパスワードの文字数を変更するには、スライダーを動かします。文字数は右側に表示されます。</translation>
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
        <translation>操作方法：</translation>
    </message>
    <message>
        <source>To generate a random password, simply click the Generate button. Your password will appear in the text box below. You can then copy and paste it into a textfile for use. View the &quot;How to&quot; for more information.</source>
        <translation>「生成」ボタンを押すだけで、ランダムなパスワードが下の欄に表示されます。コピーしてテキストファイルに貼り付けて使えます。詳しくは「使い方」へ。</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>生成</translation>
    </message>
    <message>
        <source>How To...</source>
        <translation>使い方...</translation>
    </message>
    <message>
        <source>How it works...</source>
        <translation>仕組み...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Password length</source>
        <translation>パスワードの長さ</translation>
    </message>
    <message>
        <source>Number of Characters to generate</source>
        <translation>生成する文字数</translation>
    </message>
    <message>
        <source>Alphanumeric</source>
        <translation>英数字</translation>
    </message>
    <message>
        <source>Password Not Added</source>
        <translation>パスワードを追加できませんでした</translation>
    </message>
    <message>
        <source>Your password could not be added to your password list,
%1:

%2</source>
        <translation>パスワードをパスワードリストに追加できませんでした。
%1：

%2</translation>
    </message>
    <message>
        <source>Password Added</source>
        <translation>パスワードを追加しました</translation>
    </message>
    <message>
        <source>Your password has been added to the end of your password list.</source>
        <translation>パスワードをパスワードリストの末尾に追加しました。</translation>
    </message>
    <message>
        <source>Generate a password!</source>
        <translation>パスワードを生成！</translation>
    </message>
    <message>
        <source>Copy new password from here</source>
        <translation>新しいパスワードはここからコピー</translation>
    </message>
    <message>
        <source>Select the number of characters to generate</source>
        <translation>生成する文字数を選択</translation>
    </message>
    <message>
        <source>Determines whether numbers are used as well</source>
        <translation>数字も使うかどうかを指定</translation>
    </message>
    <message>
        <source>Click here for How To information</source>
        <translation>使い方の説明はこちら</translation>
    </message>
    <message>
        <source>Click here to see how it&apos;s done</source>
        <translation>仕組みの説明はこちら</translation>
    </message>
    <message>
        <source>Learn about the program</source>
        <translation>このプログラムについて</translation>
    </message>
    <message>
        <source>Exit Tumblekey</source>
        <translation>Tumblekeyを終了</translation>
    </message>
</context>
</TS>
