<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
<context>
    <name>ChartPage</name>
    <message>
        <source>Date of birth</source>
        <translation>जन्म तिथि</translation>
    </message>
    <message>
        <source>Time of birth</source>
        <translation>जन्म समय</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>स्थान</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>अक्षांश</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>रेखांश</translation>
    </message>
    <message>
        <source>Offset from UT</source>
        <translation>UT से अन्तर</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>समय क्षेत्र</translation>
    </message>
    <message>
        <source>Daylight saving</source>
        <translation>डेलाइट सेविंग</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>हाँ</translation>
    </message>
    <message>
        <source>No</source>
        <translation>नहीं</translation>
    </message>
    <message>
        <source>Planetary Positions</source>
        <translation>ग्रह स्पष्ट</translation>
    </message>
    <message>
        <source>Lagna</source>
        <translation>लग्न</translation>
    </message>
    <message>
        <source>Sun sign</source>
        <translation>सूर्य राशि</translation>
    </message>
    <message>
        <source>Moon sign</source>
        <translation>चन्द्र राशि</translation>
    </message>
    <message>
        <source>Chart of %1</source>
        <translation>%1 की जन्म कुण्डली</translation>
    </message>
    <message>
        <source>Dasha on %1</source>
        <translation>%1 को दशा</translation>
    </message>
    <message>
        <source>No period runs on that day.</source>
        <translation>उस दिन कोई दशा नहीं चलती।</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 से %2 तक</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>ChartPageActions</name>
    <message>
        <source>The chart can be exported as PDF, PNG or SVG: please end the file name with .pdf, .png or .svg.</source>
        <translation>कुण्डली PDF, PNG या SVG में निर्यात हो सकती है: कृपया फ़ाइल का नाम .pdf, .png या .svg से समाप्त करें।</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>%1 नहीं लिखी जा सकी: %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Sidereal birth charts: the planets in the signs, the wheel and the report.</source>
        <translation>निरयण जन्म कुण्डलियाँ: राशियों में ग्रह, चक्र और विवरण।</translation>
    </message>
</context>
<context>
    <name>MatchPage</name>
    <message>
        <source>Koota</source>
        <translation>कूट</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>गुण</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>कारण</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%2 में से %1</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>कुल</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>from the Lagna</source>
        <translation>लग्न से</translation>
    </message>
    <message>
        <source>from the Moon</source>
        <translation>चन्द्र से</translation>
    </message>
    <message>
        <source>from Venus</source>
        <translation>शुक्र से</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>no exception</source>
        <translation>कोई अपवाद नहीं</translation>
    </message>
    <message>
        <source>none</source>
        <translation>कोई नहीं</translation>
    </message>
    <message>
        <source>Guna Milan</source>
        <translation>गुण मिलान</translation>
    </message>
    <message>
        <source>Boy</source>
        <translation>वर</translation>
    </message>
    <message>
        <source>Girl</source>
        <translation>कन्या</translation>
    </message>
    <message>
        <source>The eight kootas</source>
        <translation>अष्टकूट</translation>
    </message>
    <message>
        <source>Cancellations (listed, not counted)</source>
        <translation>दोष परिहार (सूचीबद्ध, गिने नहीं गए)</translation>
    </message>
    <message>
        <source>Kuja (Manglik) dosha</source>
        <translation>कुज (मांगलिक) दोष</translation>
    </message>
    <message>
        <source>Both charts are Manglik: the doshas match each other.</source>
        <translation>दोनों कुण्डलियाँ मांगलिक हैं: दोष एक-दूसरे से मेल खाते हैं।</translation>
    </message>
    <message>
        <source>Boy: %1</source>
        <translation>वर: %1</translation>
    </message>
    <message>
        <source>Girl: %1</source>
        <translation>कन्या: %1</translation>
    </message>
</context>
<context>
    <name>zodiora::AboutDialog</name>
    <message>
        <source>Click here to visit </source>
        <translation>यहाँ क्लिक करके देखें: </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Zodiora shows the positions of the planets in the twelve signs in your natal chart. The distribution of the planets in the different signs play an important role in interpreting the birth chart of an individual.</source>
        <translation>Zodiora आपकी जन्म कुण्डली में बारह राशियों में ग्रहों की स्थिति दिखाता है। विभिन्न राशियों में ग्रहों का वितरण किसी व्यक्ति की जन्म कुण्डली के फलादेश में महत्वपूर्ण भूमिका निभाता है।</translation>
    </message>
</context>
<context>
    <name>zodiora::AshtakavargaGrid</name>
    <message>
        <source>Total</source>
        <translation>कुल</translation>
    </message>
    <message>
        <source>Sarva</source>
        <translation>सर्व</translation>
    </message>
    <message>
        <source>Lagna</source>
        <translation>लग्न</translation>
    </message>
</context>
<context>
    <name>zodiora::BirthFormFields</name>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>जन्म तिथि</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>जन्म समय</translation>
    </message>
    <message>
        <source>HH:MM:SS</source>
        <translation>घं:मि:से</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>समय क्षेत्र</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>डेलाइट सेविंग समय</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>अंश</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>कला</translation>
    </message>
    <message>
        <source>City</source>
        <translation>नगर</translation>
    </message>
    <message>
        <source>State</source>
        <translation>राज्य</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>देश</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>अक्षांश और रेखांश खोजने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>Find Place</source>
        <translation>स्थान खोजें</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>अक्षांश</translation>
    </message>
    <message>
        <source>North</source>
        <translation>उत्तर</translation>
    </message>
    <message>
        <source>South</source>
        <translation>दक्षिण</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>रेखांश</translation>
    </message>
    <message>
        <source>East</source>
        <translation>पूर्व</translation>
    </message>
    <message>
        <source>West</source>
        <translation>पश्चिम</translation>
    </message>
    <message>
        <source>Up to %1 characters</source>
        <translation>अधिकतम %1 अक्षर</translation>
    </message>
    <message>
        <source>Gregorian</source>
        <translation>ग्रेगोरियन</translation>
    </message>
    <message>
        <source>Local mean time</source>
        <translation>स्थानीय माध्य समय</translation>
    </message>
    <message>
        <source>The birth place&apos;s own mean time, longitude / 15; ticked by itself where the place&apos;s zone kept local mean time then</source>
        <translation>जन्म स्थान का अपना माध्य समय, रेखांश / 15; जहाँ उस समय स्थान का समय क्षेत्र स्थानीय माध्य समय मानता था, वहाँ यह अपने आप चुना जाता है</translation>
    </message>
    <message>
        <source>Optional seconds of arc, with decimals if you have them (24 or 07.5)</source>
        <translation>वैकल्पिक विकला, दशमलव सहित यदि आपके पास हों (24 या 07.5)</translation>
    </message>
    <message>
        <source>Sec</source>
        <translation>विकला</translation>
    </message>
</context>
<context>
    <name>zodiora::BirthFormWindow</name>
    <message>
        <source>Proceed</source>
        <translation>आगे बढ़ें</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>बाहर निकलें (&amp;X)</translation>
    </message>
    <message>
        <source>Talk astrology with other users on our discussion board at %1</source>
        <translation>हमारे चर्चा मंच %1 पर अन्य उपयोगकर्ताओं से ज्योतिष पर बात करें</translation>
    </message>
    <message>
        <source>The classic ephemeris charts %1 to %2: births outside those years are charted with the precise ephemeris (%3 to %4).</source>
        <translation>पारम्परिक गणना %1 से %2 तक की कुण्डलियाँ बनाती है: इन वर्षों से बाहर के जन्मों की कुण्डली सटीक गणना (%3 से %4) से बनती है।</translation>
    </message>
</context>
<context>
    <name>zodiora::BirthTimePanel</name>
    <message>
        <source>%1 s</source>
        <translation>%1 सेकंड</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 मिनट</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 घंटे %2 मिनट</translation>
    </message>
    <message>
        <source>Lagna sign</source>
        <translation>लग्न राशि</translation>
    </message>
    <message>
        <source>Lagna nakshatra</source>
        <translation>लग्न नक्षत्र</translation>
    </message>
    <message>
        <source>Moon sign</source>
        <translation>चन्द्र राशि</translation>
    </message>
    <message>
        <source>Moon nakshatra</source>
        <translation>चन्द्र नक्षत्र</translation>
    </message>
    <message>
        <source>Navamsa Lagna</source>
        <translation>नवांश लग्न</translation>
    </message>
    <message>
        <source>%1 Lagna</source>
        <translation>%1 लग्न</translation>
    </message>
    <message>
        <source>%1 changes %2 earlier: %3 before %4</source>
        <translation>%1 में %2 पहले बदलाव: %4 से पहले %3</translation>
    </message>
    <message>
        <source>%1 changes %2 later: %3 from %4</source>
        <translation>%1 में %2 बाद बदलाव: %4 से %3</translation>
    </message>
    <message>
        <source>Birth time</source>
        <translation>जन्म समय</translation>
    </message>
    <message>
        <source>Known to within &amp;±</source>
        <translation>सटीकता &amp;±</translation>
    </message>
    <message>
        <source> min</source>
        <translation> मिनट</translation>
    </message>
    <message>
        <source>How many minutes either way the birth time may be off; a fact that changes closer to the birth than that is highlighted</source>
        <translation>जन्म समय दोनों ओर कितने मिनट तक गलत हो सकता है; जो तथ्य जन्म के इससे अधिक निकट बदलता है, वह उभारा जाता है</translation>
    </message>
    <message>
        <source>Fact</source>
        <translation>तथ्य</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>मान</translation>
    </message>
    <message>
        <source>Holds from</source>
        <translation>कब से</translation>
    </message>
    <message>
        <source>Until</source>
        <translation>कब तक</translation>
    </message>
    <message>
        <source>Nearer edge</source>
        <translation>निकट सीमा</translation>
    </message>
    <message>
        <source>over 3 days before</source>
        <translation>3 दिन से अधिक पहले</translation>
    </message>
    <message>
        <source>over 3 days after</source>
        <translation>3 दिन से अधिक बाद</translation>
    </message>
    <message>
        <source>Classic ephemeris: %1 lies %2′ from a %3 edge, within the method&apos;s %4′ error; the precise ephemeris (Settings menu) settles its side.</source>
        <translation>पारम्परिक गणना: %1 एक %3 सीमा से %2′ पर है, जो इस विधि की %4′ त्रुटि के भीतर है; सटीक गणना (सेटिंग्स मेनू) तय करती है कि यह किस ओर है।</translation>
    </message>
    <message>
        <source>%1 retrograde from %2 to %3, retrograde at birth.</source>
        <translation>%1 %2 से %3 तक वक्री, जन्म के समय वक्री।</translation>
    </message>
    <message>
        <source>%1 retrograde from %2 to %3, a station within 3 days of the birth.</source>
        <translation>%1 %2 से %3 तक वक्री, जन्म के 3 दिन के भीतर स्तम्भन।</translation>
    </message>
    <message>
        <source>Birth time known to within ±%1 min; these facts may change within it:</source>
        <translation>जन्म समय ±%1 मिनट तक सटीक; इस सीमा में ये तथ्य बदल सकते हैं:</translation>
    </message>
    <message>
        <source>Within ±%1 min of the birth time these may differ: %2.</source>
        <translation>जन्म समय के ±%1 मिनट के भीतर ये भिन्न हो सकते हैं: %2।</translation>
    </message>
    <message>
        <source>No fact changes within %1 min of the birth time.</source>
        <translation>जन्म समय के %1 मिनट के भीतर कोई तथ्य नहीं बदलता।</translation>
    </message>
    <message>
        <source>Within ±%1 min of the birth time:
</source>
        <translation>जन्म समय के ±%1 मिनट के भीतर:
</translation>
    </message>
    <message>
        <source>sign</source>
        <comment>an edge: a sign&apos;s</comment>
        <translation>राशि</translation>
    </message>
    <message>
        <source>nakshatra</source>
        <comment>an edge: a nakshatra&apos;s</comment>
        <translation>नक्षत्र</translation>
    </message>
    <message>
        <source>navamsa</source>
        <comment>an edge: a navamsa&apos;s</comment>
        <translation>नवांश</translation>
    </message>
    <message>
        <source>Tithi</source>
        <translation>तिथि</translation>
    </message>
</context>
<context>
    <name>zodiora::CalculationMenu</name>
    <message>
        <source>&amp;Settings</source>
        <translation>सेटिंग्स (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Ephemeris</source>
        <translation>पंचांग गणना (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Classic (mean orbital elements)</source>
        <translation>पारम्परिक (माध्य कक्षीय तत्व) (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Precise (Swiss Ephemeris)</source>
        <translation>सटीक (स्विस एफ़ेमेरिस) (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Ayanamsa</source>
        <translation>अयनांश (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Lahiri</source>
        <translation>लाहिड़ी (&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Raman</source>
        <translation>रमन (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Krishnamurti (KP)</source>
        <translation>कृष्णमूर्ति (KP) (&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Fagan-Bradley</source>
        <translation>फ़ेगन-ब्रैडली (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;True Chitra</source>
        <translation>सत्य चित्रा (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Yukteshwar</source>
        <translation>युक्तेश्वर (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;Node</source>
        <translation>राहु-केतु (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Mean node</source>
        <translation>माध्य राहु (&amp;M)</translation>
    </message>
    <message>
        <source>&amp;True node</source>
        <translation>स्पष्ट राहु (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Dasha year</source>
        <translation>दशा वर्ष (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Julian (365.25 days)</source>
        <translation>जूलियन (365.25 दिन) (&amp;J)</translation>
    </message>
    <message>
        <source>&amp;Gregorian (365.2425 days)</source>
        <translation>ग्रेगोरियन (365.2425 दिन) (&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Sidereal (365.256363 days)</source>
        <translation>नाक्षत्र (365.256363 दिन) (&amp;S)</translation>
    </message>
    <message>
        <source>Sa&amp;vana (360 days)</source>
        <translation>सावन (360 दिन) (&amp;V)</translation>
    </message>
    <message>
        <source>Ashta&amp;kavarga table</source>
        <translation>अष्टकवर्ग सारणी (&amp;K)</translation>
    </message>
    <message>
        <source>&amp;P.V.R. Narasimha Rao</source>
        <translation>पी.वी.आर. नरसिंह राव (&amp;P)</translation>
    </message>
    <message>
        <source>B.V. &amp;Raman</source>
        <translation>बी.वी. रमन (&amp;R)</translation>
    </message>
</context>
<context>
    <name>zodiora::ChartLibraryDialog</name>
    <message>
        <source>Open Chart</source>
        <translation>कुण्डली खोलें</translation>
    </message>
    <message>
        <source>Name, date (1980-06-15) or place</source>
        <translation>नाम, तिथि (1980-06-15) या स्थान</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>खोजें (&amp;S):</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Born</source>
        <translation>जन्म</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>स्थान</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>सहेजी गई</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>खोलें (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>नाम बदलें (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>हटाएँ (&amp;D)</translation>
    </message>
    <message>
        <source>Delete the chart &quot;%1&quot; from the library?
This cannot be undone.</source>
        <translation>संग्रह से कुण्डली &quot;%1&quot; हटाएँ?
यह वापस नहीं होगा।</translation>
    </message>
</context>
<context>
    <name>zodiora::ChartPageActions</name>
    <message>
        <source>&amp;Export Chart…</source>
        <translation>कुण्डली निर्यात करें… (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Print Chart…</source>
        <translation>कुण्डली छापें… (&amp;P)</translation>
    </message>
    <message>
        <source>Export Chart</source>
        <translation>कुण्डली निर्यात करें</translation>
    </message>
    <message>
        <source>PDF document (*.pdf);;PNG image (*.png);;SVG drawing (*.svg)</source>
        <translation>PDF दस्तावेज़ (*.pdf);;PNG चित्र (*.png);;SVG चित्र (*.svg)</translation>
    </message>
    <message>
        <source>Chart Page &amp;Shows</source>
        <translation>कुण्डली पृष्ठ पर दिखाएँ (&amp;S)</translation>
    </message>
    <message>
        <source>Running &amp;Dasha</source>
        <translation>चल रही दशा (&amp;D)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>zodiora::ChartView</name>
    <message>
        <source>Planets in Signs</source>
        <translation>राशियों में ग्रह</translation>
    </message>
    <message>
        <source>Your Details</source>
        <translation>आपका विवरण</translation>
    </message>
    <message>
        <source>Date of Birth :</source>
        <translation>जन्म तिथि :</translation>
    </message>
    <message>
        <source>Time of Birth :</source>
        <translation>जन्म समय :</translation>
    </message>
    <message>
        <source>Longitude :</source>
        <translation>रेखांश :</translation>
    </message>
    <message>
        <source>Latitude   :</source>
        <translation>अक्षांश :</translation>
    </message>
    <message>
        <source>City :</source>
        <translation>नगर :</translation>
    </message>
    <message>
        <source>State :</source>
        <translation>राज्य :</translation>
    </message>
    <message>
        <source>Country :</source>
        <translation>देश :</translation>
    </message>
    <message>
        <source>Other Details</source>
        <translation>अन्य विवरण</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>लग्न</translation>
    </message>
    <message>
        <source>Sun Sign</source>
        <translation>सूर्य राशि</translation>
    </message>
    <message>
        <source>Moon Sign</source>
        <translation>चन्द्र राशि</translation>
    </message>
    <message>
        <source>Planetary Positions</source>
        <translation>ग्रह स्पष्ट</translation>
    </message>
    <message>
        <source>For a more detailed analysis of the planets in the signs of your chart, visit us at %1</source>
        <translation>अपनी कुण्डली की राशियों में ग्रहों के विस्तृत विश्लेषण के लिए %1 पर आएँ</translation>
    </message>
</context>
<context>
    <name>zodiora::ChartsPage</name>
    <message>
        <source>Birth chart (Rasi)</source>
        <translation>जन्म कुण्डली (राशि)</translation>
    </message>
    <message>
        <source>Charts</source>
        <translation>कुण्डलियाँ</translation>
    </message>
    <message>
        <source>&amp;Beside the birth chart:</source>
        <translation>जन्म कुण्डली के साथ (&amp;B):</translation>
    </message>
    <message>
        <source>&amp;Degrees</source>
        <translation>अंश (&amp;D)</translation>
    </message>
    <message>
        <source>Write each point&apos;s degrees and minutes in its birth sign beside it</source>
        <translation>हर बिन्दु के पास उसकी जन्म राशि में अंश और कला लिखें</translation>
    </message>
    <message>
        <source>Divisions by Parashara&apos;s rules (BPHS ch. 6)</source>
        <translation>पराशर के नियमों से वर्ग (बृ.पा.हो.शा. अध्याय 6)</translation>
    </message>
    <message>
        <source>Moon chart (Chandra lagna)</source>
        <translation>चन्द्र कुण्डली (चन्द्र लग्न)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>zodiora::DashaTree</name>
    <message>
        <source>Period</source>
        <translation>अवधि</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>आरम्भ</translation>
    </message>
    <message>
        <source>End</source>
        <translation>अन्त</translation>
    </message>
    <message>
        <source>Balance of the %1 period at birth: %2 years, %3 months, %4 days</source>
        <translation>जन्म के समय %1 दशा का शेष: %2 वर्ष, %3 मास, %4 दिन</translation>
    </message>
    <message>
        <source>Dasha</source>
        <translation>दशा</translation>
    </message>
    <message>
        <source>Periods running &amp;on:</source>
        <translation>इस दिन चल रही दशाएँ (&amp;O):</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>आज (&amp;T)</translation>
    </message>
    <message>
        <source>Open to &amp;prana</source>
        <translation>प्राण तक खोलें (&amp;P)</translation>
    </message>
    <message>
        <source>Open the running periods down to the fifth level (prana dasha)</source>
        <translation>चल रही दशाएँ पाँचवें स्तर (प्राण दशा) तक खोलें</translation>
    </message>
    <message>
        <source>Mahadasha</source>
        <translation>महादशा</translation>
    </message>
    <message>
        <source>Antardasha</source>
        <translation>अन्तर्दशा</translation>
    </message>
    <message>
        <source>Pratyantardasha</source>
        <translation>प्रत्यन्तर्दशा</translation>
    </message>
    <message>
        <source>Sookshma dasha</source>
        <translation>सूक्ष्म दशा</translation>
    </message>
    <message>
        <source>Prana dasha</source>
        <translation>प्राण दशा</translation>
    </message>
    <message>
        <source>No period runs on that day: it lies before birth or past the periods listed.</source>
        <translation>उस दिन कोई दशा नहीं चलती: वह दिन जन्म से पहले या सूचीबद्ध दशाओं के बाद है।</translation>
    </message>
    <message>
        <source>Running: %1 (mahadasha to prana dasha; the prana runs %2 to %3)</source>
        <translation>चल रही: %1 (महादशा से प्राण दशा तक; प्राण दशा %2 से %3 तक)</translation>
    </message>
</context>
<context>
    <name>zodiora::DignityTable</name>
    <message>
        <source>exalted</source>
        <translation>उच्च</translation>
    </message>
    <message>
        <source>debilitated</source>
        <translation>नीच</translation>
    </message>
    <message>
        <source>moolatrikona</source>
        <translation>मूलत्रिकोण</translation>
    </message>
    <message>
        <source>own sign</source>
        <translation>स्वराशि</translation>
    </message>
    <message>
        <source>great friend&apos;s sign</source>
        <translation>अधिमित्र राशि</translation>
    </message>
    <message>
        <source>friend&apos;s sign</source>
        <translation>मित्र राशि</translation>
    </message>
    <message>
        <source>neutral sign</source>
        <translation>सम राशि</translation>
    </message>
    <message>
        <source>enemy&apos;s sign</source>
        <translation>शत्रु राशि</translation>
    </message>
    <message>
        <source>great enemy&apos;s sign</source>
        <translation>अधिशत्रु राशि</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>ग्रह</translation>
    </message>
    <message>
        <source>Dignity</source>
        <translation>बल स्थिति</translation>
    </message>
    <message>
        <source>From the Sun</source>
        <translation>सूर्य से</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>गति</translation>
    </message>
    <message>
        <source>Aspects (houses)</source>
        <translation>दृष्टि (भाव)</translation>
    </message>
    <message>
        <source>, combust</source>
        <translation>, अस्त</translation>
    </message>
    <message>
        <source>retrograde</source>
        <translation>वक्री</translation>
    </message>
    <message>
        <source>direct</source>
        <translation>मार्गी</translation>
    </message>
</context>
<context>
    <name>zodiora::KpTable</name>
    <message>
        <source>Point</source>
        <translation>बिन्दु</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>स्पष्ट</translation>
    </message>
    <message>
        <source>Star lord</source>
        <translation>नक्षत्र स्वामी</translation>
    </message>
    <message>
        <source>Sub lord</source>
        <translation>उप स्वामी</translation>
    </message>
    <message>
        <source>Sub-sub lord</source>
        <translation>उप-उप स्वामी</translation>
    </message>
    <message>
        <source>KP</source>
        <translation>KP</translation>
    </message>
</context>
<context>
    <name>zodiora::Language</name>
    <message>
        <source>(R)</source>
        <comment>retrograde mark</comment>
        <translation>(व)</translation>
    </message>
    <message>
        <source>E</source>
        <comment>east</comment>
        <translation>पूर्व</translation>
    </message>
    <message>
        <source>W</source>
        <comment>west</comment>
        <translation>पश्चिम</translation>
    </message>
    <message>
        <source>N</source>
        <comment>north</comment>
        <translation>उत्तर</translation>
    </message>
    <message>
        <source>S</source>
        <comment>south</comment>
        <translation>दक्षिण</translation>
    </message>
    <message>
        <source>More About Sign :-</source>
        <translation>राशि के बारे में और :-</translation>
    </message>
    <message>
        <source>Keywords :-</source>
        <translation>मुख्य शब्द :-</translation>
    </message>
    <message>
        <source>Element :-</source>
        <translation>तत्व :-</translation>
    </message>
    <message>
        <source>Ruling Planet :-</source>
        <translation>स्वामी ग्रह :-</translation>
    </message>
    <message>
        <source>Characteristics Of Planet %1 :-</source>
        <translation>ग्रह %1 की विशेषताएँ :-</translation>
    </message>
    <message>
        <source>%1 In %2</source>
        <extracomment>A planet in a sign, the report&apos;s heading: &quot;Sun In Gemini&quot;</extracomment>
        <translation>%2 में %1</translation>
    </message>
    <message>
        <source>Fire</source>
        <comment>element</comment>
        <translation>अग्नि</translation>
    </message>
    <message>
        <source>Earth</source>
        <comment>element</comment>
        <translation>पृथ्वी</translation>
    </message>
    <message>
        <source>Air</source>
        <comment>element</comment>
        <translation>वायु</translation>
    </message>
    <message>
        <source>Water</source>
        <comment>element</comment>
        <translation>जल</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Two ruling planets of a sign: &quot;Pluto and Mars&quot;</extracomment>
        <translation>%1 और %2</translation>
    </message>
</context>
<context>
    <name>zodiora::LibraryActions</name>
    <message>
        <source>&amp;Save Chart</source>
        <translation>कुण्डली सहेजें (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Open Chart…</source>
        <translation>कुण्डली खोलें… (&amp;O)</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>हाल की खोलें (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Match Charts…</source>
        <translation>कुण्डली मिलान… (&amp;M)</translation>
    </message>
    <message>
        <source>No saved charts</source>
        <translation>कोई सहेजी कुण्डली नहीं</translation>
    </message>
</context>
<context>
    <name>zodiora::MatchWindow</name>
    <message>
        <source>Moon in %1 pada %2, %3</source>
        <translation>चन्द्र %1 पद %2 में, %3</translation>
    </message>
    <message>
        <source>Match Charts</source>
        <translation>कुण्डली मिलान</translation>
    </message>
    <message>
        <source>&amp;Boy&apos;s chart:</source>
        <translation>वर की कुण्डली (&amp;B):</translation>
    </message>
    <message>
        <source>&amp;Girl&apos;s chart:</source>
        <translation>कन्या की कुण्डली (&amp;G):</translation>
    </message>
    <message>
        <source>Koota</source>
        <translation>कूट</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>गुण</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>कारण</translation>
    </message>
    <message>
        <source>Cancellations (listed, not counted)</source>
        <translation>दोष परिहार (सूचीबद्ध, गिने नहीं गए)</translation>
    </message>
    <message>
        <source>Kuja (Manglik) dosha</source>
        <translation>कुज (मांगलिक) दोष</translation>
    </message>
    <message>
        <source>Boy:</source>
        <translation>वर:</translation>
    </message>
    <message>
        <source>Girl:</source>
        <translation>कन्या:</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>निर्यात… (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>छापें… (&amp;P)</translation>
    </message>
    <message>
        <source>%1  (%2)</source>
        <translation>%1  (%2)</translation>
    </message>
    <message>
        <source>The library needs at least two saved charts to match (File ▸ Save Chart).</source>
        <translation>मिलान के लिए संग्रह में कम से कम दो सहेजी कुण्डलियाँ चाहिए (फ़ाइल ▸ कुण्डली सहेजें)।</translation>
    </message>
    <message>
        <source>Choose two different charts.</source>
        <translation>दो अलग कुण्डलियाँ चुनें।</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%2 में से %1</translation>
    </message>
    <message>
        <source>Total: %1 of %2</source>
        <translation>कुल: %2 में से %1</translation>
    </message>
    <message>
        <source>Both charts are Manglik: the doshas match each other.</source>
        <translation>दोनों कुण्डलियाँ मांगलिक हैं: दोष एक-दूसरे से मेल खाते हैं।</translation>
    </message>
    <message>
        <source>Export Match</source>
        <translation>मिलान निर्यात करें</translation>
    </message>
    <message>
        <source>PDF document (*.pdf);;PNG image (*.png);;SVG drawing (*.svg)</source>
        <translation>PDF दस्तावेज़ (*.pdf);;PNG चित्र (*.png);;SVG चित्र (*.svg)</translation>
    </message>
    <message>
        <source>Match of %1 and %2</source>
        <translation>%1 और %2 का मिलान</translation>
    </message>
</context>
<context>
    <name>zodiora::Menus</name>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>भाषा (&amp;L)</translation>
    </message>
    <message>
        <source>The new language is used when Zodiora is started again.</source>
        <translation>नई भाषा Zodiora के फिर से खुलने पर लागू होगी।</translation>
    </message>
    <message>
        <source>&amp;Sanskrit Names</source>
        <translation>संस्कृत नाम (&amp;S)</translation>
    </message>
    <message>
        <source>English Names Only</source>
        <translation>केवल अंग्रेज़ी नाम</translation>
    </message>
    <message>
        <source>Sanskrit Beside English</source>
        <translation>अंग्रेज़ी के साथ संस्कृत</translation>
    </message>
    <message>
        <source>Sanskrit Instead of English</source>
        <translation>अंग्रेज़ी के स्थान पर संस्कृत</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>सहायता (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ऑनलाइन सहायता (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>हमारी वेबसाइट देखें (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>सॉफ़्टवेयर अपडेट देखें (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>सॉफ़्टवेयर के बारे में (&amp;A)</translation>
    </message>
</context>
<context>
    <name>zodiora::NakshatraTable</name>
    <message>
        <source>Point</source>
        <translation>बिन्दु</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>स्पष्ट</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>नक्षत्र</translation>
    </message>
    <message>
        <source>Pada</source>
        <translation>पद</translation>
    </message>
    <message>
        <source>Lord</source>
        <translation>स्वामी</translation>
    </message>
    <message>
        <source>Navamsa</source>
        <translation>नवांश</translation>
    </message>
    <message>
        <source>Nakshatras</source>
        <translation>नक्षत्र</translation>
    </message>
</context>
<context>
    <name>zodiora::NavamsaView</name>
    <message>
        <source>Point</source>
        <translation>बिन्दु</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>राशि</translation>
    </message>
    <message>
        <source>Navamsa</source>
        <translation>नवांश</translation>
    </message>
</context>
<context>
    <name>zodiora::PanchangBox</name>
    <message>
        <source>Panchang at birth</source>
        <translation>जन्म के समय पंचांग</translation>
    </message>
    <message>
        <source>Tithi</source>
        <translation>तिथि</translation>
    </message>
    <message>
        <source>Vara</source>
        <translation>वार</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>नक्षत्र</translation>
    </message>
    <message>
        <source>Yoga</source>
        <translation>योग</translation>
    </message>
    <message>
        <source>Karana</source>
        <translation>करण</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>सूर्योदय</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>सूर्यास्त</translation>
    </message>
    <message>
        <source>Sunrise and sunset are the Hindu rising and setting: the centre of the Sun&apos;s disc on the horizon, without refraction, as the published panchangs reckon them. A birth before sunrise belongs to the previous day&apos;s vara.</source>
        <translation>सूर्योदय और सूर्यास्त हिन्दू उदय और अस्त हैं: सूर्य बिम्ब का केन्द्र क्षितिज पर, अपवर्तन के बिना, जैसे प्रकाशित पंचांग इन्हें गिनते हैं। सूर्योदय से पहले का जन्म पिछले दिन के वार का होता है।</translation>
    </message>
    <message>
        <source>not available for this date</source>
        <translation>इस तिथि के लिए उपलब्ध नहीं</translation>
    </message>
    <message>
        <source>%1 (%2), ends %3</source>
        <translation>%1 (%2), %3 पर समाप्त</translation>
    </message>
    <message>
        <source>%1, lord %2</source>
        <translation>%1, स्वामी %2</translation>
    </message>
    <message>
        <source>no sunrise on this day at this latitude</source>
        <translation>इस अक्षांश पर इस दिन सूर्योदय नहीं</translation>
    </message>
</context>
<context>
    <name>zodiora::PlaceField</name>
    <message>
        <source>Find place</source>
        <translation>स्थान खोजें</translation>
    </message>
    <message>
        <source>Loading places…</source>
        <translation>स्थान लोड हो रहे हैं…</translation>
    </message>
    <message>
        <source>Type a place, then pick it from the list</source>
        <translation>स्थान लिखें, फिर सूची से चुनें</translation>
    </message>
    <message>
        <source>No atlas of places</source>
        <translation>स्थानों का एटलस नहीं है</translation>
    </message>
</context>
<context>
    <name>zodiora::ReportDialog</name>
    <message>
        <source>Discover more about your birth chart at </source>
        <translation>अपनी जन्म कुण्डली के बारे में और जानें: </translation>
    </message>
    <message>
        <source>Detailed readings of the planets in the signs: </source>
        <translation>राशियों में ग्रहों का विस्तृत फल: </translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>सहेजें (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>छापें (&amp;P)</translation>
    </message>
    <message>
        <source>The report could not be saved to </source>
        <translation>विवरण यहाँ सहेजा नहीं जा सका: </translation>
    </message>
</context>
<context>
    <name>zodiora::ResultsTabs</name>
    <message>
        <source>Summary</source>
        <translation>सारांश</translation>
    </message>
</context>
<context>
    <name>zodiora::ResultsWindow</name>
    <message>
        <source>&amp;Back</source>
        <translation>वापस (&amp;B)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>बाहर निकलें (&amp;X)</translation>
    </message>
    <message>
        <source>How this chart was calculated: Settings menu of the birth form</source>
        <translation>यह कुण्डली कैसे गणना की गई: जन्म विवरण फ़ॉर्म का सेटिंग्स मेनू</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>छापें (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>बाहर (&amp;E)</translation>
    </message>
    <message>
        <source>Share your questions and experiences with others on our online forum at %1</source>
        <translation>अपने प्रश्न और अनुभव हमारे ऑनलाइन मंच %1 पर दूसरों के साथ बाँटें</translation>
    </message>
</context>
<context>
    <name>zodiora::SaveChartDialog</name>
    <message>
        <source>Save Chart</source>
        <translation>कुण्डली सहेजें</translation>
    </message>
    <message>
        <source>Anything worth remembering about this chart</source>
        <translation>इस कुण्डली के बारे में याद रखने योग्य कुछ भी</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>नाम (&amp;N):</translation>
    </message>
    <message>
        <source>N&amp;ote:</source>
        <translation>टिप्पणी (&amp;O):</translation>
    </message>
</context>
<context>
    <name>zodiora::ShadbalaBars</name>
    <message>
        <source>rupas; the mark is the minimum</source>
        <translation>रूप; चिह्न न्यूनतम है</translation>
    </message>
</context>
<context>
    <name>zodiora::ShadbalaTable</name>
    <message>
        <source>Planet</source>
        <translation>ग्रह</translation>
    </message>
    <message>
        <source>Sthana</source>
        <translation>स्थान</translation>
    </message>
    <message>
        <source>Dig</source>
        <translation>दिक्</translation>
    </message>
    <message>
        <source>Kala</source>
        <translation>काल</translation>
    </message>
    <message>
        <source>Chesta</source>
        <translation>चेष्टा</translation>
    </message>
    <message>
        <source>Naisargika</source>
        <translation>नैसर्गिक</translation>
    </message>
    <message>
        <source>Drik</source>
        <translation>दृक्</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>कुल</translation>
    </message>
    <message>
        <source>Rupas</source>
        <translation>रूप</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>न्यूनतम</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>अनुपात</translation>
    </message>
</context>
<context>
    <name>zodiora::Startup</name>
    <message>
        <source>Application is already running</source>
        <translation>प्रोग्राम पहले से चल रहा है</translation>
    </message>
</context>
<context>
    <name>zodiora::StrengthPage</name>
    <message>
        <source>Dignity, combustion and aspects</source>
        <translation>बल स्थिति, अस्त और दृष्टि</translation>
    </message>
    <message>
        <source>Dignity by BPHS ch. 3 (the compound relationship with the sign&apos;s lord); combust within the Surya Siddhanta&apos;s distances from the Sun; aspects counted from the planet&apos;s sign.</source>
        <translation>बल स्थिति बृ.पा.हो.शा. अध्याय 3 से (राशि स्वामी से पंचधा मैत्री); अस्त सूर्य सिद्धान्त की सूर्य से दूरियों के भीतर; दृष्टि ग्रह की राशि से गिनी गई।</translation>
    </message>
    <message>
        <source>Shadbala (virupas; 60 virupas = 1 rupa)</source>
        <translation>षड्बल (विरूप; 60 विरूप = 1 रूप)</translation>
    </message>
    <message>
        <source>Ashtakavarga</source>
        <translation>अष्टकवर्ग</translation>
    </message>
    <message>
        <source>BPHS ch. 27 as B.V. Raman works it in &quot;Graha and Bhava Balas&quot;; the minimum in rupas is his (Sun 5, Moon 6, Mars 5, Mercury 7, Jupiter 6.5, Venus 5.5, Saturn 5).</source>
        <translation>बृ.पा.हो.शा. अध्याय 27, जैसे बी.वी. रमन &quot;ग्रह और भाव बल&quot; में करते हैं; रूपों में न्यूनतम उन्हीं का है (सूर्य 5, चन्द्र 6, मंगल 5, बुध 7, गुरु 6.5, शुक्र 5.5, शनि 5)।</translation>
    </message>
    <message>
        <source>No Shadbala: the Sun neither rises nor sets on the birth day at this place, so its Kala bala cannot be found.</source>
        <translation>षड्बल नहीं: इस स्थान पर जन्म के दिन सूर्य न उदय होता है न अस्त, इसलिए काल बल नहीं निकल सकता।</translation>
    </message>
    <message>
        <source>Sarva</source>
        <translation>सर्व</translation>
    </message>
    <message>
        <source>Bindus by sign from the table of %1 (Settings, Ashtakavarga table); the Sarvashtakavarga in the chart.</source>
        <translation>%1 की सारणी से राशिवार बिन्दु (सेटिंग्स, अष्टकवर्ग सारणी); कुण्डली में सर्वाष्टकवर्ग।</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>बल</translation>
    </message>
    <message>
        <source>B.V. Raman, Ashtakavarga System of Prediction</source>
        <translation>बी.वी. रमन, अष्टकवर्ग सिस्टम ऑफ़ प्रेडिक्शन</translation>
    </message>
    <message>
        <source>P.V.R. Narasimha Rao, Vedic Astrology: An Integrated Approach</source>
        <translation>पी.वी.आर. नरसिंह राव, वैदिक एस्ट्रोलॉजी: एन इंटीग्रेटेड अप्रोच</translation>
    </message>
</context>
<context>
    <name>zodiora::TransitPage</name>
    <message>
        <source>rising (12th from the Moon)</source>
        <translation>प्रथम चरण (चन्द्र से 12वीं राशि)</translation>
    </message>
    <message>
        <source>peak (the Moon&apos;s sign)</source>
        <translation>मध्य चरण (चन्द्र राशि)</translation>
    </message>
    <message>
        <source>setting (2nd from the Moon)</source>
        <translation>अन्तिम चरण (चन्द्र से दूसरी राशि)</translation>
    </message>
    <message>
        <source>&amp;Moment (this computer&apos;s time):</source>
        <translation>क्षण (इस कंप्यूटर का समय) (&amp;M):</translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translation>अभी (&amp;N)</translation>
    </message>
    <message>
        <source>Transiting points in the signs of the birth chart (the natal Lagna rising); (Mo) marks the natal Moon.</source>
        <translation>जन्म कुण्डली की राशियों में गोचर बिन्दु (जन्म लग्न उदित); (चं) जन्म चन्द्र को दर्शाता है।</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>बिन्दु</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>स्पष्ट</translation>
    </message>
    <message>
        <source>R</source>
        <translation>व</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>नक्षत्र</translation>
    </message>
    <message>
        <source>House from Lagna</source>
        <translation>लग्न से भाव</translation>
    </message>
    <message>
        <source>House from Moon</source>
        <translation>चन्द्र से भाव</translation>
    </message>
    <message>
        <source>From</source>
        <translation>कब से</translation>
    </message>
    <message>
        <source>To</source>
        <translation>कब तक</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>चरण</translation>
    </message>
    <message>
        <source>Universal time %1</source>
        <translation>सार्वभौमिक समय %1</translation>
    </message>
    <message>
        <source>The classic ephemeris covers 1901 to 2050: choose the precise ephemeris (Settings menu of the birth form) for this moment.</source>
        <translation>पारम्परिक गणना 1901 से 2050 तक चलती है: इस क्षण के लिए सटीक गणना चुनें (जन्म विवरण फ़ॉर्म का सेटिंग्स मेनू)।</translation>
    </message>
    <message>
        <source>The precise ephemeris covers 3000 BC to AD 3000.</source>
        <translation>सटीक गणना ई.पू. 3000 से ई. 3000 तक चलती है।</translation>
    </message>
    <message>
        <source>Transits</source>
        <translation>गोचर</translation>
    </message>
    <message>
        <source>Running dasha: %1 mahadasha (%2 to %3), %4 antardasha (%5 to %6)</source>
        <translation>चल रही दशा: %1 महादशा (%2 से %3), %4 अन्तर्दशा (%5 से %6)</translation>
    </message>
    <message>
        <source>Running dasha: none at this moment (before birth or past the table)</source>
        <translation>चल रही दशा: इस क्षण कोई नहीं (जन्म से पहले या सारणी के बाद)</translation>
    </message>
    <message>
        <source>Sade Sati is running at this moment: %1. Saturn&apos;s stays in the 12th, 1st and 2nd signs from the natal Moon, birth to 100 years:</source>
        <translation>इस क्षण साढ़ेसाती चल रही है: %1। जन्म चन्द्र से 12वीं, पहली और दूसरी राशि में शनि का भ्रमण, जन्म से 100 वर्ष तक:</translation>
    </message>
    <message>
        <source>Sade Sati is not running at this moment. Saturn&apos;s stays in the 12th, 1st and 2nd signs from the natal Moon, birth to 100 years:</source>
        <translation>इस क्षण साढ़ेसाती नहीं चल रही है। जन्म चन्द्र से 12वीं, पहली और दूसरी राशि में शनि का भ्रमण, जन्म से 100 वर्ष तक:</translation>
    </message>
</context>
<context>
    <name>zodiora::UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>इस सॉफ़्टवेयर का अपडेट उपलब्ध हो सकता है</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>क्या आप अपडेट देखना चाहते हैं?</translation>
    </message>
</context>
<context>
    <name>zodiora::VargaTable</name>
    <message>
        <source>Point</source>
        <translation>बिन्दु</translation>
    </message>
    <message>
        <source>Signs of every point in the sixteen divisional charts by %1&apos;s rules (BPHS ch. 6). ★ vargottama: the same sign in D1 and D9.</source>
        <translation>सोलह वर्ग कुण्डलियों में हर बिन्दु की राशि, %1 के नियमों से (बृ.पा.हो.शा. अध्याय 6)। ★ वर्गोत्तम: D1 और D9 में एक ही राशि।</translation>
    </message>
    <message>
        <source>Vargottama: the same sign in the birth chart and the Navamsa</source>
        <translation>वर्गोत्तम: जन्म कुण्डली और नवांश में एक ही राशि</translation>
    </message>
    <message>
        <source>Vargas</source>
        <translation>वर्ग</translation>
    </message>
    <message>
        <source>Parivritti</source>
        <translation>परिवृत्ति</translation>
    </message>
    <message>
        <source>Parashara</source>
        <translation>पराशर</translation>
    </message>
</context>
<context>
    <name>zodiora::VedicPanel</name>
    <message>
        <source>Rasi</source>
        <translation>राशि</translation>
    </message>
    <message>
        <source>Navamsa</source>
        <translation>नवांश</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>चक्र</translation>
    </message>
    <message>
        <source>North Indian</source>
        <translation>उत्तर भारतीय</translation>
    </message>
    <message>
        <source>South Indian</source>
        <translation>दक्षिण भारतीय</translation>
    </message>
    <message>
        <source>Chart &amp;style:</source>
        <translation>कुण्डली शैली (&amp;S):</translation>
    </message>
    <message>
        <source>Ephemeris: Precise (Swiss Ephemeris, %1 ayanamsa)</source>
        <translation>गणना: सटीक (स्विस एफ़ेमेरिस, %1 अयनांश)</translation>
    </message>
    <message>
        <source>Ephemeris: Classic (mean orbital elements)</source>
        <translation>गणना: पारम्परिक (माध्य कक्षीय तत्व)</translation>
    </message>
    <message>
        <source>Ephemeris: Classic (mean orbital elements, %1 ayanamsa)</source>
        <translation>गणना: पारम्परिक (माध्य कक्षीय तत्व, %1 अयनांश)</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>चन्द्र</translation>
    </message>
</context>
<context>
    <name>zodiora::ZoneHistoryLine</name>
    <message>
        <source>%1: no time-zone history (%2)</source>
        <translation>%1: समय क्षेत्र का इतिहास नहीं (%2)</translation>
    </message>
    <message>
        <source>%1 (exact offset)</source>
        <translation>%1 (सटीक अन्तर)</translation>
    </message>
    <message>
        <source>⚠ %1: history says %2,
the form says %3; the form&apos;s choice is used</source>
        <translation>⚠ %1: इतिहास के अनुसार %2,
फ़ॉर्म के अनुसार %3; फ़ॉर्म का चुनाव लिया गया</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>earlier (%1)</source>
        <translation>पहला (%1)</translation>
    </message>
    <message>
        <source>later (%1)</source>
        <translation>बाद वाला (%1)</translation>
    </message>
    <message>
        <source>%1: %2 (from time-zone history)</source>
        <translation>%1: %2 (समय क्षेत्र के इतिहास से)</translation>
    </message>
    <message>
        <source>%1 never happened in %2: the clocks went forward. Choose under the zone: %3 or %4.</source>
        <translation>%2 में %1 कभी नहीं आया: घड़ियाँ आगे की गईं। समय क्षेत्र के नीचे चुनें: %3 या %4।</translation>
    </message>
    <message>
        <source>%1 happened twice in %2: the clocks went back. Choose under the zone: the %3 or the %4.</source>
        <translation>%2 में %1 दो बार आया: घड़ियाँ पीछे की गईं। समय क्षेत्र के नीचे चुनें: %3 या %4।</translation>
    </message>
    <message>
        <source>%1 happened twice (clocks went back):</source>
        <translation>%1 दो बार आया (घड़ियाँ पीछे की गईं):</translation>
    </message>
    <message>
        <source>%1 never happened (clocks went forward):</source>
        <translation>%1 कभी नहीं आया (घड़ियाँ आगे की गईं):</translation>
    </message>
    <message>
        <source>as %1 (%2 %1 = %3 %4)</source>
        <translation>%1 के रूप में (%2 %1 = %3 %4)</translation>
    </message>
</context>
</TS>
