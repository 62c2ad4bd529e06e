<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>BoardWindow</name>
    <message numerus="yes">
        <location filename="../board/BoardLook.h" line="+50"/>
        <source>%n points scored</source>
        <translation>
            <numerusform>%n point scored</numerusform>
            <numerusform>%n points scored</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>%n points to %1</source>
        <translation>
            <numerusform>%n point to %1</numerusform>
            <numerusform>%n points to %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tezzle::board::BoardWindow</name>
    <message numerus="yes">
        <location filename="../board/BoardWindow.cpp" line="+303"/>
        <source>%1 seconds remaining %n</source>
        <translation>
            <numerusform>%1 second remaining %n</numerusform>
            <numerusform>%1 seconds remaining %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tezzle::frontend::HighScoreWindow</name>
    <message numerus="yes">
        <location filename="../frontend/HighScoreWindow.cpp" line="+140"/>
        <source>%n points</source>
        <translation>
            <numerusform>%n point</numerusform>
            <numerusform>%n points</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tezzle::frontend::SetupWindow</name>
    <message numerus="yes">
        <location filename="../frontend/SetupWindow.cpp" line="+168"/>
        <source>%n player(s)</source>
        <translation>
            <numerusform>%n player</numerusform>
            <numerusform>%n players</numerusform>
        </translation>
    </message>
</context>
</TS>
