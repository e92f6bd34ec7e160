<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>vellumix::ui::MainWindow</name>
    <message numerus="yes">
        <source>&amp;Undo Rename of %Ln Files</source>
        <translation>
            <numerusform>&amp;Undo Rename of %Ln File</numerusform>
            <numerusform>&amp;Undo Rename of %Ln Files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&amp;Redo Rename of %Ln Files</source>
        <translation>
            <numerusform>&amp;Redo Rename of %Ln File</numerusform>
            <numerusform>&amp;Redo Rename of %Ln Files</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vellumix::ui::MarksLine</name>
    <message numerus="yes">
        <source>%n renames will fail</source>
        <translation>
            <numerusform>%n rename will fail</numerusform>
            <numerusform>%n renames will fail</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files can&apos;t be renamed</source>
        <translation>
            <numerusform>%n file can&apos;t be renamed</numerusform>
            <numerusform>%n files can&apos;t be renamed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n warning</numerusform>
            <numerusform>%n warnings</numerusform>
        </translation>
    </message>
</context>
</TS>
