<!DOCTYPE html>
<html lang="ru">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>Самвидра — программа для изучения санскрита</title>
<link rel="stylesheet" href="/style.css">
</head>
<body>
<main>
<h1>Самвидра — программа для изучения санскрита</h1>
<p>«Самвидра» — программа для компьютера, которая помогает русскоязычным ученикам освоить письмо деванагари (<span class="deva">देवनागरी</span>), звуки санскрита и транслитерацию. Санскритский текст в программе можно показывать в IAST, ITRANS, Harvard-Kyoto, SLP1, Velthuis, в калькуттской системе и в кириллических системах.</p>
<p>В программе одиннадцать тренажёров, курсы из уроков, статистика занятий и профили учеников, так что на одном компьютере могут заниматься несколько человек.</p>
<ul>
<li><a href="/samvidra/catalog/">Каталог ссылок по санскриту</a></li>
<li><a href="/samvidra/spravka/">Справка</a></li>
<li><a href="/samvidra/reviews/">Отзывы</a></li>
<li><a href="/samvidra/follow/">Подписаться</a></li>
<li><a href="/samvidra/donations/">Пожертвовать</a></li>
</ul>
<p class="home"><a href="/">Сайт автора программы</a></p>
<p class="home"><a href="/samvidra/">На главную страницу программы «Самвидра»</a></p>
</main>
</body>
</html>
