<!DOCTYPE html>
<html lang="ru">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>Руководство по чтению санскрита. 1. Письмо деванагари и гласные</title>
<link rel="stylesheet" href="/style.css">
</head>
<body>
<main>
<h1>Руководство по чтению санскрита. 1. Письмо деванагари и гласные</h1>
<p>Санскрит чаще всего пишут письмом деванагари. Оно пишется слева направо; у большинства букв есть верхняя черта, которая в слове сливается в одну линию. Каждая буква обозначает слог или звук, и читается она всегда одинаково.</p>
<p>Гласные в начале слова пишутся отдельными буквами (в скобках — IAST):</p>
<table>
<tr><th>Краткие</th><td class="deva">अ</td><td>a</td><td class="deva">इ</td><td>i</td><td class="deva">उ</td><td>u</td><td class="deva">ऋ</td><td>ṛ</td><td class="deva">ऌ</td><td>ḷ</td></tr>
<tr><th>Долгие</th><td class="deva">आ</td><td>ā</td><td class="deva">ई</td><td>ī</td><td class="deva">ऊ</td><td>ū</td><td class="deva">ॠ</td><td>ṝ</td><td></td><td></td></tr>
<tr><th>Дифтонги</th><td class="deva">ए</td><td>e</td><td class="deva">ऐ</td><td>ai</td><td class="deva">ओ</td><td>o</td><td class="deva">औ</td><td>au</td><td></td><td></td></tr>
</table>
<p>После согласной гласная пишется не отдельной буквой, а знаком при ней: <span class="deva">का</span> kā, <span class="deva">कि</span> ki, <span class="deva">की</span> kī, <span class="deva">कु</span> ku, <span class="deva">कू</span> kū, <span class="deva">कृ</span> kṛ, <span class="deva">के</span> ke, <span class="deva">कै</span> kai, <span class="deva">को</span> ko, <span class="deva">कौ</span> kau.</p>
<p class="nav"><a href="/samvidra/spravka/">Справка</a> · <a href="2.php">Далее: согласные и вирама →</a></p>
<p class="home"><a href="/samvidra/">На главную страницу программы «Самвидра»</a></p>
</main>
</body>
</html>
