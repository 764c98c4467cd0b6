<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Form1</name>
    <message numerus="yes">
        <source>%n line(s) of your own among its lines</source>
        <translation>
            <numerusform>%n line of your own among its lines</numerusform>
            <numerusform>%n lines of your own among its lines</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n other page(s) of the site hold this menu as it was:
%1</source>
        <translation>
            <numerusform>%n other page of the site holds this menu as it was:
%1</numerusform>
            <numerusform>%n other pages of the site hold this menu as it was:
%1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MenuPage</name>
    <message numerus="yes">
        <source>the page counts %n button(s) but holds %1</source>
        <translation>
            <numerusform>the page counts %n button but holds %1</numerusform>
            <numerusform>the page counts %n buttons but holds %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PicturePlaces</name>
    <message numerus="yes">
        <source>

It names %n picture(s) that are not there: </source>
        <translation>
            <numerusform>

It names %n picture that is not there: </numerusform>
            <numerusform>

It names %n pictures that are not there: </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n picture(s) were copied beside the page.</source>
        <translation>
            <numerusform>%n picture was copied beside the page.</numerusform>
            <numerusform>%n pictures were copied beside the page.</numerusform>
        </translation>
    </message>
</context>
</TS>
