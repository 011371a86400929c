<!DOCTYPE html>
<html lang="ru">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>«Самвидра» для авторов курсов</title>
<link rel="stylesheet" href="/style.css">
</head>
<body>
<main>
<h1>«Самвидра» для авторов курсов</h1>
<p>Курсы в программе «Самвидра» — это последовательности страниц-уроков на этом сайте. Каждый курс — отдельная папка в разделе <code>/samvidra/kursi/</code>, а каждый урок — страница в ней, уроки нумеруются с нуля. Программа показывает эти страницы у себя в окне, урок за уроком.</p>
<p class="nav"><a href="2.php">Как предложить свой курс →</a></p>
<p class="home"><a href="/samvidra/">На главную страницу программы «Самвидра»</a></p>
</main>
</body>
</html>
