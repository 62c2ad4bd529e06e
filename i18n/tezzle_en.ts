<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>BoardWindow</name>
    <message numerus="yes">
        <location filename="../board/BoardLook.h" line="+50"/>
        <source>%n points scored</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>%n points to %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tezzle::board::BoardWindow</name>
    <message numerus="yes">
        <location filename="../board/BoardWindow.cpp" line="+257"/>
        <source>%1 seconds remaining %n</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tezzle::frontend::HighScoreWindow</name>
    <message numerus="yes">
        <location filename="../frontend/HighScoreWindow.cpp" line="+139"/>
        <source>%n points</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tezzle::frontend::SetupWindow</name>
    <message numerus="yes">
        <location filename="../frontend/SetupWindow.cpp" line="+148"/>
        <source>%n player(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
</TS>
