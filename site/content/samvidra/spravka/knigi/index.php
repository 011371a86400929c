<!DOCTYPE html>
<html lang="ru">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>Печатные книги</title>
<link rel="stylesheet" href="/style.css">
</head>
<body>
<main>
<h1>Печатные книги</h1>
<p>Печатные книги из меню программы «Справка → Печатные книги».</p>
<h2>Отдельные книги</h2>
<ul>
<li><a href="/samvidra/spravka/knigi/bbt/bg.php">Бхагавад-гита как она есть</a></li>
<li><a href="/samvidra/spravka/knigi/bbt/narada-bhakti-sutra.php">Нарада-бхакти-сутра</a></li>
<li><a href="/samvidra/spravka/knigi/bbt/sri-ishopanishad.php">Шри Ишопанишад</a></li>
</ul>
<h2><a href="/samvidra/spravka/knigi/bbt/sb/">Шримад-Бхагаватам</a></h2>
<p>Тома: <a href="/samvidra/spravka/knigi/bbt/sb/1.1.php">1.1</a>, <a href="/samvidra/spravka/knigi/bbt/sb/1.2.php">1.2</a>, <a href="/samvidra/spravka/knigi/bbt/sb/2.php">2</a>, <a href="/samvidra/spravka/knigi/bbt/sb/3.1.php">3.1</a>, <a href="/samvidra/spravka/knigi/bbt/sb/3.2.php">3.2</a>, <a href="/samvidra/spravka/knigi/bbt/sb/3.3.php">3.3</a>, <a href="/samvidra/spravka/knigi/bbt/sb/4.1.php">4.1</a>, <a href="/samvidra/spravka/knigi/bbt/sb/4.2.php">4.2</a>, <a href="/samvidra/spravka/knigi/bbt/sb/4.3.php">4.3</a>, <a href="/samvidra/spravka/knigi/bbt/sb/5.1.php">5.1</a>, <a href="/samvidra/spravka/knigi/bbt/sb/5.2.php">5.2</a>, <a href="/samvidra/spravka/knigi/bbt/sb/6.1.php">6.1</a>, <a href="/samvidra/spravka/knigi/bbt/sb/6.2.php">6.2</a>, <a href="/samvidra/spravka/knigi/bbt/sb/7.1.php">7.1</a>, <a href="/samvidra/spravka/knigi/bbt/sb/7.2.php">7.2</a>, <a href="/samvidra/spravka/knigi/bbt/sb/8.1.php">8.1</a>, <a href="/samvidra/spravka/knigi/bbt/sb/8.2.php">8.2</a>, <a href="/samvidra/spravka/knigi/bbt/sb/9.1.php">9.1</a>, <a href="/samvidra/spravka/knigi/bbt/sb/9.2.php">9.2</a>, <a href="/samvidra/spravka/knigi/bbt/sb/10.1.php">10.1</a>, <a href="/samvidra/spravka/knigi/bbt/sb/10.2.php">10.2</a>, <a href="/samvidra/spravka/knigi/bbt/sb/10.3.php">10.3</a>, <a href="/samvidra/spravka/knigi/bbt/sb/10.4.php">10.4</a>, <a href="/samvidra/spravka/knigi/bbt/sb/11.1.php">11.1</a>, <a href="/samvidra/spravka/knigi/bbt/sb/12.php">12</a>.</p>
<h2><a href="/samvidra/spravka/knigi/bibliotheca_sanscritica/">Серия «Bibliotheca Sanscritica»</a></h2>
<p>Книги: <a href="/samvidra/spravka/knigi/bibliotheca_sanscritica/1.php">1</a>, <a href="/samvidra/spravka/knigi/bibliotheca_sanscritica/2.php">2</a>, <a href="/samvidra/spravka/knigi/bibliotheca_sanscritica/3.php">3</a>, <a href="/samvidra/spravka/knigi/bibliotheca_sanscritica/4.php">4</a>, <a href="/samvidra/spravka/knigi/bibliotheca_sanscritica/5.php">5</a>, <a href="/samvidra/spravka/knigi/bibliotheca_sanscritica/6.php">6</a>, <a href="/samvidra/spravka/knigi/bibliotheca_sanscritica/7.php">7</a>, <a href="/samvidra/spravka/knigi/bibliotheca_sanscritica/8.php">8</a>, <a href="/samvidra/spravka/knigi/bibliotheca_sanscritica/9.php">9</a>, <a href="/samvidra/spravka/knigi/bibliotheca_sanscritica/10.php">10</a>.</p>
<p class="home"><a href="/samvidra/">На главную страницу программы «Самвидра»</a></p>
</main>
</body>
</html>
