<!DOCTYPE html>
<html lang="ru">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>«Самвидра» для авторов курсов: как предложить курс</title>
<link rel="stylesheet" href="/style.css">
</head>
<body>
<main>
<h1>«Самвидра» для авторов курсов: как предложить курс</h1>
<p>Если вы хотите предложить свой курс для «Самвидры», напишите автору программы прямо из неё: «О программе» → «Связаться с автором». Расскажите, о чём курс и для кого он.</p>
<p class="nav"><a href="1.php">← Как устроены курсы</a></p>
<p class="home"><a href="/samvidra/">На главную страницу программы «Самвидра»</a></p>
</main>
</body>
</html>
