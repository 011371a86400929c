<!DOCTYPE html>
<html lang="ru">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>Книги серии «Bibliotheca Sanscritica»</title>
<link rel="stylesheet" href="/style.css">
</head>
<body>
<main>
<h1>Книги серии «Bibliotheca Sanscritica»</h1>
<p>Книги серии «Bibliotheca Sanscritica» в меню программы «Справка → Печатные книги»:</p>
<ul>
<li><a href="/samvidra/spravka/knigi/bibliotheca_sanscritica/1.php">Книга 1</a></li>
<li><a href="/samvidra/spravka/knigi/bibliotheca_sanscritica/2.php">Книга 2</a></li>
<li><a href="/samvidra/spravka/knigi/bibliotheca_sanscritica/3.php">Книга 3</a></li>
<li><a href="/samvidra/spravka/knigi/bibliotheca_sanscritica/4.php">Книга 4</a></li>
<li><a href="/samvidra/spravka/knigi/bibliotheca_sanscritica/5.php">Книга 5</a></li>
<li><a href="/samvidra/spravka/knigi/bibliotheca_sanscritica/6.php">Книга 6</a></li>
<li><a href="/samvidra/spravka/knigi/bibliotheca_sanscritica/7.php">Книга 7</a></li>
<li><a href="/samvidra/spravka/knigi/bibliotheca_sanscritica/8.php">Книга 8</a></li>
<li><a href="/samvidra/spravka/knigi/bibliotheca_sanscritica/9.php">Книга 9</a></li>
<li><a href="/samvidra/spravka/knigi/bibliotheca_sanscritica/10.php">Книга 10</a></li>
</ul>
<p class="nav"><a href="/samvidra/spravka/knigi/">Все печатные книги</a></p>
<p class="home"><a href="/samvidra/">На главную страницу программы «Самвидра»</a></p>
</main>
</body>
</html>
