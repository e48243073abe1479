<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>PasswordListFile</name>
    <message>
        <source>The text holds characters that the password list&apos;s encoding cannot store.</source>
        <translation>O texto contém caracteres que a codificação da lista de senhas não suporta.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About...</source>
        <translation>Sobre...</translation>
    </message>
    <message>
        <source>Tumblekey v1.5 for Windows 95/98/NT</source>
        <translation>Tumblekey v1.5 para Windows 95/98/NT</translation>
    </message>
    <message>
        <source>Copyright (C) 1998 the Tumblekey authors. This program is freeware.</source>
        <translation>Copyright (C) 1998 os autores do Tumblekey. Este programa é freeware.</translation>
    </message>
    <message>
        <source>Made anew as Keymint by its developers, with Qt 6.</source>
        <translation>Recriado como Keymint por seus desenvolvedores, com o Qt 6.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>This release 7/18/98.</source>
        <translation>Esta versão: 18/07/98.</translation>
    </message>
    <message>
        <source>Keymint logo</source>
        <translation>Logotipo do Keymint</translation>
    </message>
</context>
<context>
    <name>frmHowit</name>
    <message>
        <source>How it works...</source>
        <translation>Como funciona...</translation>
    </message>
    <message>
        <source>Tumblekey works by generating random numbers, each lying between 1 and 36. Each of the numbers maps to a corresponding letter of the alphabet and the numerics system. 1=a, 2=b, 27=1, and so on. It then throws them all together to form the password. That&apos;s it in a nutshell. It is the equivalent of closing your eyes and hitting however many random keys on your keyboard, except it&apos;s easier and does no physical damage. :)</source>
        <translation>O Tumblekey funciona gerando números aleatórios, cada um entre 1 e 36. Cada número corresponde a uma letra do alfabeto ou a um algarismo do sistema numérico: 1=a, 2=b, 27=1 e assim por diante. Em seguida, junta todos eles para formar a senha. Resumindo, é isso. É o mesmo que fechar os olhos e apertar ao acaso quantas teclas quiser no teclado, só que é mais fácil e não quebra nada. :)</translation>
    </message>
    <message>
        <source>When you consider the fact that there are 36 possibilities for each digit in a 10 digit password, the probability of someone guessing your generated password is equal to 36 to the 10th power. Believe me, it&apos;s rare.</source>
        <translation>Considerando que há 36 possibilidades para cada caractere de uma senha de 10 caracteres, a probabilidade de alguém adivinhar a senha gerada é de 1 em 36 elevado à 10ª potência. Pode acreditar: é raríssimo.</translation>
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
        <translation>Como usar...</translation>
    </message>
    <message>
        <source>-To generate a completely RANDOM password, just click the &quot;Generate&quot; button in the main window. A new password will pop up in the text box.</source>
        <translation>-Para gerar uma senha totalmente ALEATÓRIA, basta clicar no botão “Gerar” na janela principal. Uma nova senha aparecerá na caixa de texto.</translation>
    </message>
    <message>
        <source>-To save your password to your current password list, double-click the password box. The password will be added to the end of the password list in the directory the program is installed in.</source>
        <translation>-Para salvar a senha na sua lista de senhas atual, clique duas vezes na caixa da senha. A senha será adicionada ao final da lista de senhas, que fica na pasta em que o programa está instalado.</translation>
    </message>
    <message>
        <source>-To create a password with numbers in it, check the &quot;Alphanumeric&quot; checkbox. To create a password without numbers, uncheck it again.</source>
        <translation>-Para criar uma senha com números, marque a caixa de seleção “Alfanumérico”. Para criar uma senha sem números, desmarque-a novamente.</translation>
    </message>
    <message>
        <source>-To change the amount of characters in a generated password, move the slider bar. The number of characters will appear to the right.</source>
        <translation>-Para alterar a quantidade de caracteres da senha gerada, mova o controle deslizante. O número de caracteres aparecerá à direita.</translation>
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
        <translation>Instruções:</translation>
    </message>
    <message>
        <source>To generate a random password, simply click the Generate button. Your password will appear in the text box below. You can then copy and paste it into a textfile for use. View the &quot;How to&quot; for more information.</source>
        <translation>Para gerar uma senha aleatória, basta clicar no botão “Gerar”. Sua senha aparecerá na caixa de texto abaixo. Depois, você pode copiá-la e colá-la em um arquivo de texto para usá-la. Consulte “Como usar” para mais informações.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Gerar</translation>
    </message>
    <message>
        <source>How To...</source>
        <translation>Como usar...</translation>
    </message>
    <message>
        <source>How it works...</source>
        <translation>Como funciona...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Password length</source>
        <translation>Tamanho da senha</translation>
    </message>
    <message>
        <source>Number of Characters to generate</source>
        <translation>Número de caracteres a gerar</translation>
    </message>
    <message>
        <source>Alphanumeric</source>
        <translation>Alfanumérico</translation>
    </message>
    <message>
        <source>Password Not Added</source>
        <translation>Senha não adicionada</translation>
    </message>
    <message>
        <source>Your password could not be added to your password list,
%1:

%2</source>
        <translation>Não foi possível adicionar a senha à sua lista de senhas,
%1:

%2</translation>
    </message>
    <message>
        <source>Password Added</source>
        <translation>Senha adicionada</translation>
    </message>
    <message>
        <source>Your password has been added to the end of your password list.</source>
        <translation>Sua senha foi adicionada ao final da sua lista de senhas.</translation>
    </message>
    <message>
        <source>Generate a password!</source>
        <translation>Gere uma senha!</translation>
    </message>
    <message>
        <source>Copy new password from here</source>
        <translation>Copie a nova senha daqui</translation>
    </message>
    <message>
        <source>Select the number of characters to generate</source>
        <translation>Escolha quantos caracteres serão gerados</translation>
    </message>
    <message>
        <source>Determines whether numbers are used as well</source>
        <translation>Define se também serão usados números</translation>
    </message>
    <message>
        <source>Click here for How To information</source>
        <translation>Clique aqui para ver “Como usar”</translation>
    </message>
    <message>
        <source>Click here to see how it&apos;s done</source>
        <translation>Clique aqui para ver como funciona</translation>
    </message>
    <message>
        <source>Learn about the program</source>
        <translation>Saiba mais sobre o programa</translation>
    </message>
    <message>
        <source>Exit Tumblekey</source>
        <translation>Sair do Tumblekey</translation>
    </message>
</context>
</TS>
