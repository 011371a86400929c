<!DOCTYPE html>
<html lang="ru">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>Справка</title>
<link rel="stylesheet" href="/style.css">
</head>
<body>
<main>
<h1>Справка</h1>
<p>Страницы справки программы «Самвидра».</p>
<ul>
<li><a href="/samvidra/spravka/muhurta/1.php">Благоприятное время для начала изучения санскрита (Мухурта)</a></li>
<li><a href="/samvidra/spravka/sanskrit_in_windows7/windows7.php">Санскритская раскладка клавиатуры в Windows 7</a></li>
<li>Руководство по чтению санскрита:
<a href="/samvidra/spravka/rukovodstvo_po_sanskrity_bbt/1.php">1. Письмо деванагари и гласные</a>,
<a href="/samvidra/spravka/rukovodstvo_po_sanskrity_bbt/2.php">2. Согласные и вирама</a>,
<a href="/samvidra/spravka/rukovodstvo_po_sanskrity_bbt/3.php">3. Особые знаки; долгие и краткие гласные</a></li>
<li><a href="/samvidra/spravka/sanskrit_terms_table/">Сравнительная таблица различных переводов санскритских терминов</a></li>
<li><a href="/samvidra/spravka/knigi/">Печатные книги</a></li>
</ul>
<p class="home"><a href="/samvidra/">На главную страницу программы «Самвидра»</a></p>
</main>
</body>
</html>
