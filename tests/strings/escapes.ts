<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>global</name>
    <message>
        <source>Initialization failed. Click Retry to initialize again.</source>
        <translation>Zeile eins\nZeile zwei\tSpalte \N bleibt</translation>
    </message>
</context>
</TS>
