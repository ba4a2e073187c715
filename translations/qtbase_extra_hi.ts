<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Hindi for the texts Qt itself draws (standard buttons, message boxes, the file and print
     dialogs, the edit menus): Qt ships no Hindi translation of its own. Hand-written; each source
     text is Qt's own, word for word, in its context. -->
<TS version="2.1" language="hi_IN">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>सहेजें</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>सभी सहेजें</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>खोलें</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>हाँ (&amp;Y)</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>सभी के लिए हाँ (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>नहीं (&amp;N)</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>सभी के लिए नहीं (&amp;O)</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>निरस्त करें</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>फिर से प्रयास करें</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>अनदेखा करें</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करें</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>छोड़ दें</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>सहायता</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>लागू करें</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>रीसेट करें</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>मूल मान लौटाएँ</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>ठीक है (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>सहेजें (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>रद्द करें (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>बंद करें (&amp;C)</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>सहेजे बिना बंद करें</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>विवरण दिखाएँ...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>विवरण छिपाएँ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>सहायता</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>पूर्ववत करें (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>फिर से करें (&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>काटें (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>प्रतिलिपि बनाएँ (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>चिपकाएँ (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>मिटाएँ</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>सब चुनें</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>पूर्ववत करें (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>फिर से करें (&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>काटें (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>प्रतिलिपि बनाएँ (&amp;C)</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>कड़ी का पता प्रतिलिपि करें (&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>चिपकाएँ (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>मिटाएँ</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>सब चुनें</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Look in:</source>
        <translation>यहाँ देखें:</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>फ़ाइल का नाम (&amp;N):</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>फ़ाइल का प्रकार:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>पीछे</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>आगे</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>ऊपर का फ़ोल्डर</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>नया फ़ोल्डर बनाएँ</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>सूची दृश्य</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>विस्तृत दृश्य</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>खोलें (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>सहेजें (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>चुनें (&amp;C)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>खोलें</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>इस नाम से सहेजें</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>नाम बदलें (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>मिटाएँ (&amp;D)</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>छिपी फ़ाइलें दिखाएँ (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>नया फ़ोल्डर (&amp;N)</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>नया फ़ोल्डर</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>फ़ोल्डर:</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>फ़ोल्डर खोजें</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>हाल के स्थान</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>सभी फ़ाइलें (*)</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>आकार</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>प्रकार</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>बदलने की तिथि</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>कंप्यूटर</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>मेरा कंप्यूटर</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>Print</source>
        <translation>छापें</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>छापें (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>विकल्प (&amp;O) &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>विकल्प (&amp;O) &lt;&lt;</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>फ़ाइल में छापें (PDF)</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>स्थानीय फ़ाइल</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>PDF फ़ाइल लिखें</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>Printer</source>
        <translation>प्रिंटर</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>नाम (&amp;N):</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>गुण (&amp;R)</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>स्थान:</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>पूर्वावलोकन</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>प्रकार:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>आउटपुट फ़ाइल (&amp;F):</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Copies</source>
        <translation>प्रतियाँ</translation>
    </message>
    <message>
        <source>Print range</source>
        <translation>छापने की सीमा</translation>
    </message>
    <message>
        <source>Print all</source>
        <translation>सब छापें</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation>पृष्ठ से</translation>
    </message>
    <message>
        <source>to</source>
        <translation>तक</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>वर्तमान पृष्ठ</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>चयन</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>प्रतियाँ:</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>क्रम से लगाएँ</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>उलटा</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>विकल्प</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>रंग विधि</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>रंगीन</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>श्वेत-श्याम</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Folder</source>
        <translation>फ़ोल्डर</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>ड्राइव</translation>
    </message>
    <message>
        <source>File</source>
        <translation>फ़ाइल</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation>%1 फ़ाइल</translation>
    </message>
</context>
</TS>
