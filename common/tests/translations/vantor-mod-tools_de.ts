<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>common</name>
    <message>
        <source>Originals backed up in %1</source>
        <translation>Originale gesichert in %1</translation>
    </message>
</context>
</TS>
