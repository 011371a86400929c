<!DOCTYPE html>
<html lang="ru">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>Шримад-Бхагаватам</title>
<link rel="stylesheet" href="/style.css">
</head>
<body>
<main>
<h1>Шримад-Бхагаватам</h1>
<p>Тома «Шримад-Бхагаватам» в меню программы «Справка → Печатные книги»:</p>
<ul>
<li><a href="/samvidra/spravka/knigi/bbt/sb/1.1.php">Том 1.1</a></li>
<li><a href="/samvidra/spravka/knigi/bbt/sb/1.2.php">Том 1.2</a></li>
<li><a href="/samvidra/spravka/knigi/bbt/sb/2.php">Том 2</a></li>
<li><a href="/samvidra/spravka/knigi/bbt/sb/3.1.php">Том 3.1</a></li>
<li><a href="/samvidra/spravka/knigi/bbt/sb/3.2.php">Том 3.2</a></li>
<li><a href="/samvidra/spravka/knigi/bbt/sb/3.3.php">Том 3.3</a></li>
<li><a href="/samvidra/spravka/knigi/bbt/sb/4.1.php">Том 4.1</a></li>
<li><a href="/samvidra/spravka/knigi/bbt/sb/4.2.php">Том 4.2</a></li>
<li><a href="/samvidra/spravka/knigi/bbt/sb/4.3.php">Том 4.3</a></li>
<li><a href="/samvidra/spravka/knigi/bbt/sb/5.1.php">Том 5.1</a></li>
<li><a href="/samvidra/spravka/knigi/bbt/sb/5.2.php">Том 5.2</a></li>
<li><a href="/samvidra/spravka/knigi/bbt/sb/6.1.php">Том 6.1</a></li>
<li><a href="/samvidra/spravka/knigi/bbt/sb/6.2.php">Том 6.2</a></li>
<li><a href="/samvidra/spravka/knigi/bbt/sb/7.1.php">Том 7.1</a></li>
<li><a href="/samvidra/spravka/knigi/bbt/sb/7.2.php">Том 7.2</a></li>
<li><a href="/samvidra/spravka/knigi/bbt/sb/8.1.php">Том 8.1</a></li>
<li><a href="/samvidra/spravka/knigi/bbt/sb/8.2.php">Том 8.2</a></li>
<li><a href="/samvidra/spravka/knigi/bbt/sb/9.1.php">Том 9.1</a></li>
<li><a href="/samvidra/spravka/knigi/bbt/sb/9.2.php">Том 9.2</a></li>
<li><a href="/samvidra/spravka/knigi/bbt/sb/10.1.php">Том 10.1</a></li>
<li><a href="/samvidra/spravka/knigi/bbt/sb/10.2.php">Том 10.2</a></li>
<li><a href="/samvidra/spravka/knigi/bbt/sb/10.3.php">Том 10.3</a></li>
<li><a href="/samvidra/spravka/knigi/bbt/sb/10.4.php">Том 10.4</a></li>
<li><a href="/samvidra/spravka/knigi/bbt/sb/11.1.php">Том 11.1</a></li>
<li><a href="/samvidra/spravka/knigi/bbt/sb/12.php">Том 12</a></li>
</ul>
<p class="nav"><a href="/samvidra/spravka/knigi/">Все печатные книги</a></p>
<p class="home"><a href="/samvidra/">На главную страницу программы «Самвидра»</a></p>
</main>
</body>
</html>
