<!DOCTYPE html>
<html lang="ru">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>Руководство по чтению санскрита. 2. Согласные и вирама</title>
<link rel="stylesheet" href="/style.css">
</head>
<body>
<main>
<h1>Руководство по чтению санскрита. 2. Согласные и вирама</h1>
<p>Каждая согласная буква сама по себе читается с кратким гласным a: <span class="deva">क</span> — ka, <span class="deva">म</span> — ma. Согласные расположены по месту образования:</p>
<table>
<tr><td class="deva">क ख ग घ ङ</td><td>ka kha ga gha ṅa</td></tr>
<tr><td class="deva">च छ ज झ ञ</td><td>ca cha ja jha ña</td></tr>
<tr><td class="deva">ट ठ ड ढ ण</td><td>ṭa ṭha ḍa ḍha ṇa</td></tr>
<tr><td class="deva">त थ द ध न</td><td>ta tha da dha na</td></tr>
<tr><td class="deva">प फ ब भ म</td><td>pa pha ba bha ma</td></tr>
<tr><td class="deva">य र ल व</td><td>ya ra la va</td></tr>
<tr><td class="deva">श ष स ह</td><td>śa ṣa sa ha</td></tr>
</table>
<p>Знак вирама (<span class="deva">्</span>) под буквой снимает гласный a: <span class="deva">क्</span> — просто k. Если согласные идут подряд без гласных, они обычно сливаются в лигатуру: <span class="deva">क्ष</span> kṣa, <span class="deva">त्र</span> tra, <span class="deva">ज्ञ</span> jña.</p>
<p class="nav"><a href="1.php">← Назад: письмо и гласные</a> · <a href="3.php">Далее: особые знаки →</a></p>
<p class="home"><a href="/samvidra/">На главную страницу программы «Самвидра»</a></p>
</main>
</body>
</html>
